// The expectations of the exports: the save dialog last asked for, and the progress bar.
#include "Scenario.h"
#include "app/ControlTable.h"
#include "platform/qt/ProgressBar.h"

namespace scenario {
namespace {

// expect savedialog NAME EXT: the last save dialog proposed this file name and extension.
void ExpectSaveDialog(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 4)) return;
    if (s.world_.saveRequests.empty())
        return s.Expected("a save dialog " + Show(s.Text(c, 2)), "none");
    const zl::SaveRequest& r = s.world_.saveRequests.back();
    s.CheckText(s.Text(c, 2), r.defaultName);
    s.CheckText(s.Text(c, 3), r.defaultExt);
}

// expect progress LOW HIGH POS: the range the progress bar was last given and the position it
// was last set to.
void ExpectProgress(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 5) || !s.NeedWindow()) return;
    auto* bar = qobject_cast<zl::ProgressBar*>(s.window_->Widget(zl::id::kProgress));
    if (!bar) return s.Fail("no progress bar");
    const std::string expected = s.Arg(c, 2) + " " + s.Arg(c, 3) + " " + s.Arg(c, 4);
    const std::string found = std::to_string(bar->low()) + " " + std::to_string(bar->high()) + " " +
                              std::to_string(bar->pos());
    if (expected != found) s.Expected("progress " + expected, found);
}

const Register r(Expectations(), {{"savedialog", ExpectSaveDialog}, {"progress", ExpectProgress}});

}  // namespace
}  // namespace scenario
