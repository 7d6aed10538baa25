// The event wiring of the main window as a table: which notification of which controls runs
// which handler. Each subsystem lists its own rows; the window looks them up by event and id.
#pragma once

#include <vector>

#include "platform/WindowEvents.h"

namespace zl {

class CzorvelDlg;

struct EventBinding {
    UiEvent event;
    std::vector<int> ids;
    void (*handler)(CzorvelDlg& dlg, int id);
};

using EventBindings = std::vector<EventBinding>;

// The rows of each subsystem, in the folder of its handlers.
const EventBindings& WindowEventBindings();   // app/: the window's own commands
const EventBindings& EditingEventBindings();  // editing/
const EventBindings& ToolsEventBindings();    // tools/
const EventBindings& ExportEventBindings();   // export/
const EventBindings& LinkEventBindings();     // links/

// The handler for one notification, or nullptr when the control has none for it.
using EventHandler = void (*)(CzorvelDlg& dlg, int id);
EventHandler FindEventHandler(UiEvent event, int id);

}  // namespace zl
