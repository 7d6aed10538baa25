// The birth-month filter of the exports: the selector's text, its month key, and whether an
// entry matches it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zl {

// The key of a selector text: nullopt for "全月" (every entry matches), "01" to "12" for a
// month, two half-width spaces for "不明" (no birthdate).
std::optional<std::u16string> BirthMonthKey(std::u16string_view selectorText);

// Whether a roster line matches: every line for "全月", else the two characters at positions 6
// and 7 (counted from 1) of the text after the line's eighth comma (its BirthDate field) equal
// the key. A line too short to hold them matches no month.
bool BirthMonthMatches(std::u16string_view line, const std::optional<std::u16string>& key);

// Whether a BirthDate field (the text from its start on) is of the key's month: its characters
// at positions 6 and 7 equal the key.
bool BirthDateMonthIs(std::u16string_view birthDate, std::u16string_view key);

}  // namespace zl
