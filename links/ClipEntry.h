// The clipboard text of one whole entry: 22 fields joined by ",", written by the entry copy of
// one window and read back by the entry paste of another.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "roster/RosterLine.h"

namespace zl {

// The fewest "," a pasted text must hold.
inline constexpr int kClipEntryMinCommas = 18;

// The four digits of the No that Add would give next after the list's last line: its number
// plus 1, modulo 10000; "0001" for an empty list.
std::u16string NextEntryNumber(const std::u16string* lastLine);

// "No." + no4, then the form's fields with "," made "~" (a typed "~" stays), the birthdate as
// "%04d/%02d/%02d" or "    /  /  ", the flags, the registration time, the expectation, the
// votes without ",", the remarks and joint names.
std::u16string BuildClipEntryText(std::u16string_view no4, const EntryValues& form,
                                  std::u16string_view registered);

// What of a clipboard text reaches the form's single-line fields: its first line (up to the
// first CR, LF or NUL) without the control characters left in it.
std::u16string FirstPastedLine(std::u16string_view text);

// The entry a pasted text holds, read by the data file's reading rules from its ninth
// character on; a field the text lacks is empty, and the text that follows its last "," is
// the last field it has. nullopt when the text has fewer than 18 ",".
std::optional<LoadedEntry> ReadClipEntryText(std::u16string_view text);

}  // namespace zl
