// Local date and time as the program reads it from the clock and shows it in the date pickers.
#pragma once

#include <compare>
#include <string>

namespace zl {

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    auto operator<=>(const DateTime&) const = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// A real calendar date in the range the date pickers take (years 1601 to 9999).
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second);

// "%04d/%02d/%02d" and "%04d/%02d/%02d %02d:%02d:%02d".
std::u16string FormatDate(const DateTime& t);
std::u16string FormatDateTime(const DateTime& t);

}  // namespace zl
