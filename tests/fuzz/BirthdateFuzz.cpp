// The birthdate parser on any typed text. Properties: a date it gives is a valid date, and the
// form the picker writes back into the field parses to the same date.
#include "editing/Birthdate.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::u16string typed = fuzz::Utf16(data, size);
    const std::u16string cleaned = zl::CleanBirthText(typed);
    FUZZ_CHECK(zl::CleanBirthText(cleaned) == cleaned);
    const std::optional<zl::DateTime> date = zl::ParseBirthDate(cleaned);
    if (!date) return 0;
    FUZZ_CHECK(zl::IsValidDate(date->year, date->month, date->day));
    const std::optional<zl::DateTime> back = zl::ParseBirthDate(zl::FormatBirthText(*date));
    FUZZ_CHECK(back && back->year == date->year && back->month == date->month &&
               back->day == date->day);
    return 0;
}
