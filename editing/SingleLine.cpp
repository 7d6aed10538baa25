#include "editing/SingleLine.h"

#include <algorithm>

namespace zl {

bool IsLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == u'\u0085' ||
           c == u'\u2028' || c == u'\u2029';
}

void KeepSingleLine(std::u16string& text, int& caret) {
    std::size_t at =
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(caret, 0)), 0, text.size());
    for (std::size_t br = 0;
         (br = std::find_if(text.begin(), text.end(), IsLineBreak) - text.begin()) < text.size();) {
        // The text before the edit held no line break, so the first one belongs to the
        // inserted piece, which ends at the caret: the rest of the piece goes.
        const std::size_t end = at > br ? at : br + 1;
        text.erase(br, end - br);
        at = at > br ? br : at;
    }
    for (char16_t& c : text)
        if (c < u' ' || c == u'\u007F') c = u' ';
    caret = static_cast<int>(at);
}

}  // namespace zl
