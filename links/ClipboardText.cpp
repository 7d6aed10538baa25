#include "links/ClipboardText.h"

#include "platform/CodePage932.h"
#include "platform/TextUtil.h"

namespace zl {

namespace {

constexpr std::u16string_view kCannotOpen = u"Cannot open the Clipboard";

}  // namespace

bool PutClipboardText(Clipboard& clipboard, MessageBoxes& boxes, std::u16string_view text) {
    if (!clipboard.Open()) {
        ShowMessage(boxes, kCannotOpen);
        return false;
    }
    // The messages are shown while the clipboard is still open.
    if (!clipboard.Empty()) {
        ShowMessage(boxes, u"Cannot empty the Clipboard");
        clipboard.Close();
        return false;
    }
    if (const int error = clipboard.SetText(ToCp932(text)); error != 0) {
        ShowMessage(boxes, u"Unable to set Clipboard data, error: " + ToU16(error));
        clipboard.Close();
        return false;
    }
    clipboard.Close();
    return true;
}

std::optional<std::u16string> TakeClipboardText(Clipboard& clipboard, MessageBoxes& boxes) {
    if (!clipboard.HasText()) {
        ShowMessage(boxes, u"Cannot read the Clipboard");
        return std::nullopt;
    }
    if (!clipboard.Open()) {
        ShowMessage(boxes, kCannotOpen);
        return std::nullopt;
    }
    std::optional<std::string> bytes = clipboard.GetText();
    clipboard.Close();
    if (!bytes) return std::nullopt;
    return FromCp932(*bytes);
}

}  // namespace zl
