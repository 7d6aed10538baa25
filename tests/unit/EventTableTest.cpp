#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "app/ControlTable.h"
#include "app/EventTable.h"

namespace zl {
namespace {

// Each notification of a control runs one handler: a second row for the same event and id
// would never run.
TEST(EventTable, EveryEventOfAControlIsWiredOnce) {
    std::set<std::pair<UiEvent, int>> seen;
    for (const EventBindings* rows :
         {&WindowEventBindings(), &EditingEventBindings(), &ToolsEventBindings(),
          &ExportEventBindings(), &LinkEventBindings()})
        for (const EventBinding& row : *rows)
            for (int cid : row.ids) {
                EXPECT_TRUE(seen.insert({row.event, cid}).second)
                    << "event " << static_cast<int>(row.event) << " of " << cid;
                EXPECT_NE(FindControl(cid), nullptr) << cid;
                EXPECT_NE(row.handler, nullptr) << cid;
            }
}

}  // namespace
}  // namespace zl
