// The links' and clipboard's rows of the window's event table.
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "app/EventTable.h"

namespace zl {

const EventBindings& LinkEventBindings() {
    static const EventBindings rows = {
        {UiEvent::DoubleClicked,
         {id::kMainList},
         [](CzorvelDlg& d, int) { d.OnMainListDoubleClicked(); }},
        // External links
        // Mail to everyone
        // Clipboard transfer
    };
    return rows;
}

}  // namespace zl
