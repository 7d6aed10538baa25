// Small text helpers shared by every part of the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zl {

// UTF-8 (script files, Qt strings, file system paths) to and from UTF-16.
std::u16string FromUtf8(std::string_view text);
std::string ToUtf8(std::u16string_view text);

// Reads a number the way atoi does: blanks skipped, an optional sign, the leading digits;
// 0 when there are none.
int Atoi(std::u16string_view text);

// Whitespace as iswspace sees it in the C locale plus the full-width space.
bool IsSpace(char16_t c);
std::u16string_view Trim(std::u16string_view text);

// Splits a text at "\n"; a "\r" before the "\n" is dropped. A last piece without "\n" counts
// as a line; an empty text gives no lines.
std::vector<std::u16string> SplitLines(std::u16string_view text);
std::vector<std::string> SplitLines(std::string_view bytes);

// Replaces every "\n" by CR LF.
std::string ToCrLf(std::string_view text);

// Every occurrence of `from` replaced by `to`.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to);

// Decimal digits of a number, with at least `width` digits (zeros in front).
std::u16string ZeroPad(int value, int width);
std::u16string ToU16(int value);

bool Contains(std::u16string_view text, std::u16string_view part);

// Full-width digits "０" to "９" replaced by ASCII digits.
std::u16string AsciiDigits(std::u16string_view text);

}  // namespace zl
