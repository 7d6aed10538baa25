// The rule of a single-line edit: what it keeps of text that arrives with line breaks or other
// control characters (a paste, an input-method commit, a drop).
#pragma once

#include <string>

namespace zl {

// CR, LF and the other characters that start a new line.
bool IsLineBreak(char16_t c);

// `text` is an edit's content right after an insertion, `caret` the position just after the
// inserted piece. The edit keeps of the piece only what came before its first line break; every
// other control character (tab, NUL, ...) becomes a blank. The caret follows.
void KeepSingleLine(std::u16string& text, int& caret);

}  // namespace zl
