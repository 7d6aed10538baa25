// A target text as the desktop's opener takes it: a URL of ASCII characters.
#pragma once

#include <string>
#include <string_view>

namespace zl {

// The text as UTF-8 with every byte that may not stand in a URL percent-encoded: spaces,
// characters beyond ASCII (the full-width space, Japanese text), "<", ">", '"', "\", "^", "`",
// "{", "|", "}", "'", control characters, and a "%" that starts no "%XX" escape. Escapes already in
// the text (such as a body's "%0d%0a") are kept. In a "mailto:" text every "#" is encoded (a
// mail has no fragment); elsewhere only the first "#" starts the fragment.
std::string EncodeForDesktop(std::u16string_view target);

}  // namespace zl
