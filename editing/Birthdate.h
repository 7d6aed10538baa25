// Reading a typed birthdate (Japanese era or Gregorian forms) and the age shown beside it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace zl {

// The birthdate text as the field keeps it: tabs removed, white space trimmed at both ends.
std::u16string CleanBirthText(std::u16string_view typed);

// The Gregorian date a cleaned birthdate text gives, or nullopt when it gives none.
std::optional<DateTime> ParseBirthDate(std::u16string_view cleaned);

// The age text: empty without a date, "? " for a date after today, else whole years (the
// birthday itself counting).
std::u16string AgeText(const std::optional<DateTime>& birth, const DateTime& today);

// "%04d.%02d.%02d", the form the picker writes back into the text field.
std::u16string FormatBirthText(const DateTime& date);

}  // namespace zl
