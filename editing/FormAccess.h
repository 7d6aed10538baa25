// Reading the entry form's controls into entry values, and showing entry values in them.
#pragma once

#include "platform/Controls.h"
#include "roster/RosterLine.h"

namespace zl {

// The form's values as its controls show them.
EntryValues ReadForm(const Controls& ui);

// Puts the text values (every field but the date picker, flags and expectation) into the form.
void ShowFormTexts(Controls& ui, const EntryValues& v);

}  // namespace zl
