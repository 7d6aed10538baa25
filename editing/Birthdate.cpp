#include "editing/Birthdate.h"

#include <algorithm>
#include <array>

#include "platform/CodePage932.h"
#include "platform/TextUtil.h"

namespace zl {

namespace {

struct Era {
    std::u16string_view name;
    std::u16string_view letter;
    int offset;
};

constexpr std::array<Era, 5> kEras{{
    {u"明治", u"M", 1867},
    {u"大正", u"T", 1911},
    {u"昭和", u"S", 1925},
    {u"平成", u"H", 1988},
    {u"令和", u"R", 2018},
}};

int DateNumber(const DateTime& d) { return d.year * 10000 + d.month * 100 + d.day; }

int NumberAt(std::u16string_view text, std::size_t pos, std::size_t count) {
    if (pos >= text.size()) return 0;
    return Atoi(text.substr(pos, count));
}

}  // namespace

std::u16string CleanBirthText(std::u16string_view typed) {
    std::u16string noTabs;
    noTabs.reserve(typed.size());
    for (char16_t c : typed)
        if (c != u'\t') noTabs += c;
    return std::u16string(Trim(noTabs));
}

std::optional<DateTime> ParseBirthDate(std::u16string_view cleaned) {
    std::u16string s(cleaned);
    s = ReplaceAll(s, u"年", u".");
    s = ReplaceAll(s, u"月", u".");
    s = ReplaceAll(s, u"日", u"");
    for (std::u16string_view sep : {u",", u"/", u"／", u"・", u"、", u"，"})
        s = ReplaceAll(s, sep, u".");
    s = ReplaceAll(s, u"元", u"1");
    s = AsciiDigits(s);
    constexpr std::u16string_view kFull = u"ＭＴＳＨＲ", kLower = u"mtshr", kUpper = u"MTSHR";
    for (char16_t& c : s) {
        if (auto f = kFull.find(c); f != kFull.npos) c = kUpper[f];
        if (auto l = kLower.find(c); l != kLower.npos) c = kUpper[l];
    }
    for (char16_t d = u'1'; d <= u'9'; ++d) {
        const char16_t from[] = {u'.', d, u'.', 0};
        const char16_t to[] = {u'.', u'0', d, u'.', 0};
        s = ReplaceAll(s, from, to);
    }

    int offset = 0;
    for (const Era& era : kEras) {
        if (!Contains(s, era.name) && !Contains(s, era.letter)) continue;
        s = ReplaceAll(ReplaceAll(s, era.name, u""), era.letter, u"");
        offset = era.offset;
        s.insert(0, s.find(u'.') == 1 ? u"000" : u"00");
    }

    // A one-digit day: nine bytes with the second dot as the eighth.
    std::string bytes = ToCp932(s);
    if (bytes.size() == 9 && bytes[7] == '.') s.insert(std::min<std::size_t>(8, s.size()), u"0");

    if (Cp932Length(s) != 10) return std::nullopt;
    DateTime date;
    date.year = NumberAt(s, 0, 4) + offset;
    date.month = NumberAt(s, 5, 2);
    date.day = NumberAt(s, 8, 2);
    if (!IsValidDate(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

std::u16string AgeText(const std::optional<DateTime>& birth, const DateTime& today) {
    if (!birth) return {};
    int now = DateNumber(today), born = DateNumber(*birth);
    if (now < born) return u"? ";
    return ToU16((now - born) / 10000);
}

std::u16string FormatBirthText(const DateTime& date) {
    return ZeroPad(date.year, 4) + u"." + ZeroPad(date.month, 2) + u"." + ZeroPad(date.day, 2);
}

}  // namespace zl
