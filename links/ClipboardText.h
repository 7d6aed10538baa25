// Putting text on the clipboard and taking it off, with the failure messages of each step.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace zl {

// Open, empty, set, close. Shows "Cannot open the Clipboard", "Cannot empty the Clipboard" or
// "Unable to set Clipboard data, error: %d" and returns false when a step fails; the clipboard
// is closed again after a failure once it was open.
bool PutClipboardText(Clipboard& clipboard, MessageBoxes& boxes, std::u16string_view text);

// The clipboard's text, converted from code page 932. Shows "Cannot read the Clipboard"
// (no text on it) or "Cannot open the Clipboard"; nullopt after those and, silently, when the
// opened clipboard gives no text data.
std::optional<std::u16string> TakeClipboardText(Clipboard& clipboard, MessageBoxes& boxes);

}  // namespace zl
