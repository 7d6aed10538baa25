#include "platform/DateTime.h"

#include "platform/TextUtil.h"

namespace zl {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1601 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second) {
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

std::u16string FormatDate(const DateTime& t) {
    return ZeroPad(t.year, 4) + u"/" + ZeroPad(t.month, 2) + u"/" + ZeroPad(t.day, 2);
}

std::u16string FormatDateTime(const DateTime& t) {
    return FormatDate(t) + u" " + ZeroPad(t.hour, 2) + u":" + ZeroPad(t.minute, 2) + u":" +
           ZeroPad(t.second, 2);
}

}  // namespace zl
