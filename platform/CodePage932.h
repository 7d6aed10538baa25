// The one converter between the program's UTF-16 text and the bytes of Windows code page 932
// (Shift_JIS as Windows has it). Every byte that enters or leaves the program goes through here.
#pragma once

#include <string>
#include <string_view>

namespace zl {

// Unicode to code page 932; each character the code page lacks (a surrogate pair counts as one
// character) becomes one "?".
std::string ToCp932(std::u16string_view text);

// The same, appended to `out` (for writing many texts into one buffer without a copy).
void AppendToCp932(std::u16string_view text, std::string& out);

// Code page 932 to Unicode.
std::u16string FromCp932(std::string_view bytes);

// Code page 932 to Unicode, appended to `out`; false, with `out` as it was, when the bytes are
// not code page 932 text (an invalid or unassigned sequence).
bool AppendFromCp932Strict(std::string_view bytes, std::u16string& out);

// The characters of a text that code page 932 lacks (each once, in order of appearance; a
// surrogate pair counts as one): what ToCp932 turns into "?".
std::u16string CharsCp932Lacks(std::u16string_view text);

// The length of a text in code page 932 bytes.
std::size_t Cp932Length(std::u16string_view text);

// The length of one UTF-16 code unit (or surrogate pair, given as its first unit) in code page
// 932 bytes: 1 or 2.
std::size_t Cp932CharLength(std::u16string_view text, std::size_t pos);

}  // namespace zl
