// Reading the entry form's controls into entry values.
#pragma once

#include "platform/Controls.h"
#include "roster/RosterLine.h"

namespace zl {

// The form's values as its controls show them.
EntryValues ReadForm(const Controls& ui);

}  // namespace zl
