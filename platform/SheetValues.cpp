#include "platform/SheetValues.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/TextUtil.h"

namespace zl {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A run of 1 to maxDigits digits at `at`, moved past; nullopt when there is none or more.
std::optional<int> ReadDigits(std::u16string_view s, std::size_t& at, std::size_t maxDigits) {
    std::size_t end = at;
    while (end < s.size() && IsDigit(s[end])) ++end;
    if (end == at || end - at > maxDigits) return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < end; ++i) value = value * 10 + (s[i] - u'0');
    at = end;
    return value;
}

bool Expect(std::u16string_view s, std::size_t& at, char16_t c) {
    if (at >= s.size() || s[at] != c) return false;
    ++at;
    return true;
}

// yyyy/m/d, optionally followed by " h:mm" or " h:mm:ss".
bool ReadDate(std::u16string_view s, TypedValue& out) {
    std::size_t at = 0;
    std::size_t yearStart = at;
    const auto year = ReadDigits(s, at, 4);
    if (!year || at - yearStart != 4 || !Expect(s, at, u'/')) return false;
    const auto month = ReadDigits(s, at, 2);
    if (!month || !Expect(s, at, u'/')) return false;
    const auto day = ReadDigits(s, at, 2);
    if (!day || *year < 1900 || !IsValidDate(*year, *month, *day)) return false;
    DateTime t{*year, *month, *day, 0, 0, 0};
    if (at == s.size()) {
        out.kind = TypedValue::Kind::Date;
        out.date = t;
        out.format = "yyyy/mm/dd";
        return true;
    }
    if (!Expect(s, at, u' ')) return false;
    const auto hour = ReadDigits(s, at, 2);
    if (!hour || !Expect(s, at, u':')) return false;
    const std::size_t minuteStart = at;
    const auto minute = ReadDigits(s, at, 2);
    if (!minute || at - minuteStart != 2) return false;
    int second = 0;
    bool withSeconds = false;
    if (at < s.size()) {
        if (!Expect(s, at, u':')) return false;
        const std::size_t secondStart = at;
        const auto sec = ReadDigits(s, at, 2);
        if (!sec || at - secondStart != 2 || at != s.size()) return false;
        second = *sec;
        withSeconds = true;
    }
    if (!IsValidTime(*hour, *minute, second)) return false;
    t.hour = *hour;
    t.minute = *minute;
    t.second = second;
    out.kind = TypedValue::Kind::DateTime;
    out.date = t;
    out.format = withSeconds ? "yyyy/mm/dd hh:mm:ss" : "yyyy/mm/dd hh:mm";
    return true;
}

// [+-] digits with optional separators in groups of three, [. digits].
bool ReadNumber(std::u16string_view s, TypedValue& out) {
    std::size_t at = 0;
    std::string ascii;
    if (at < s.size() && (s[at] == u'+' || s[at] == u'-')) {
        if (s[at] == u'-') ascii += '-';
        ++at;
    }
    bool separators = false;
    std::size_t intDigits = 0;
    std::size_t group = 0;  // digits since the last separator
    for (; at < s.size() && (IsDigit(s[at]) || s[at] == u','); ++at) {
        if (s[at] == u',') {
            // The first group holds 1 to 3 digits, every later one exactly 3.
            if (group == 0 || group > 3 || (separators && group != 3)) return false;
            separators = true;
            group = 0;
            continue;
        }
        ascii += static_cast<char>(s[at]);
        ++intDigits;
        ++group;
    }
    if (separators && group != 3) return false;
    std::size_t decimals = 0;
    if (at < s.size() && s[at] == u'.') {
        ascii += '.';
        for (++at; at < s.size() && IsDigit(s[at]); ++at, ++decimals)
            ascii += static_cast<char>(s[at]);
    }
    if (at != s.size() || intDigits + decimals == 0) return false;
    if (intDigits == 0) ascii.insert(ascii.size() - decimals - 1, "0");
    if (ascii.back() == '.') ascii.pop_back();  // "1." is 1
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size()) return false;
    out.kind = TypedValue::Kind::Number;
    out.number = value == 0 ? 0 : value;  // no negative zero
    const std::string zeros(decimals, '0');
    if (separators)
        out.format = decimals ? "#,##0." + zeros : "#,##0";
    else if (decimals)
        out.format = "0." + zeros;
    return true;
}

}  // namespace

TypedValue ReadTypedInput(std::u16string_view typed) {
    TypedValue out;
    if (typed.empty()) return out;
    if (typed.front() == u'\'') {
        out.kind = TypedValue::Kind::Text;
        out.text = typed.substr(1);
        return out;
    }
    if (ReadNumber(typed, out) || ReadDate(typed, out)) return out;
    out = TypedValue{};
    out.kind = TypedValue::Kind::Text;
    out.text = typed;
    return out;
}

std::u16string ColumnName(int column) {
    std::u16string name;
    while (column > 0) {
        --column;
        name.insert(name.begin(), static_cast<char16_t>(u'A' + column % 26));
        column /= 26;
    }
    return name;
}

namespace {

bool IsNameChar(char16_t c) {
    return IsDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' ||
           c == u'.';
}

// One part of a reference after its letter: "[n]" relative, "n" absolute, nothing for the
// cell's own row or column.
struct RefPart {
    bool relative = true;
    long offset = 0;  // relative: the offset; absolute: the number
};

bool ReadRefPart(std::u16string_view s, std::size_t& at, RefPart& part) {
    part = RefPart{};
    if (at < s.size() && s[at] == u'[') {
        std::size_t i = at + 1;
        bool negative = false;
        if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
        const std::size_t start = i;
        long value = 0;
        while (i < s.size() && IsDigit(s[i]) && i - start < 7) value = value * 10 + (s[i++] - u'0');
        if (i == start || i >= s.size() || s[i] != u']') return false;
        part.offset = negative ? -value : value;
        at = i + 1;
        return true;
    }
    const std::size_t start = at;
    long value = 0;
    while (at < s.size() && IsDigit(s[at]) && at - start < 7) value = value * 10 + (s[at++] - u'0');
    if (at > start) {
        part.relative = false;
        part.offset = value;
    }
    return true;
}

}  // namespace

std::u16string R1C1ToA1(std::u16string_view f, int row, int column) {
    std::u16string out;
    std::size_t i = 0;
    while (i < f.size()) {
        const char16_t c = f[i];
        if (c == u'"') {  // a text literal, "" inside it included
            std::size_t end = i + 1;
            while (end < f.size()) {
                if (f[end] == u'"') {
                    if (end + 1 < f.size() && f[end + 1] == u'"') {
                        end += 2;
                        continue;
                    }
                    break;
                }
                ++end;
            }
            end = std::min(end + 1, f.size());
            out.append(f.substr(i, end - i));
            i = end;
            continue;
        }
        if ((c == u'R' || c == u'r') && (i == 0 || !IsNameChar(f[i - 1]))) {
            std::size_t at = i + 1;
            RefPart r, k;
            if (ReadRefPart(f, at, r) && at < f.size() && (f[at] == u'C' || f[at] == u'c')) {
                ++at;
                if (ReadRefPart(f, at, k) && (at >= f.size() || !IsNameChar(f[at]))) {
                    const long targetRow = r.relative ? row + r.offset : r.offset;
                    const long targetColumn = k.relative ? column + k.offset : k.offset;
                    if (targetRow < 1 || targetRow > 1048576 || targetColumn < 1 ||
                        targetColumn > 16384) {
                        out += u"#REF!";
                    } else {
                        if (!k.relative) out += u'$';
                        out += ColumnName(static_cast<int>(targetColumn));
                        if (!r.relative) out += u'$';
                        out += ToU16(static_cast<int>(targetRow));
                    }
                    i = at;
                    continue;
                }
            }
        }
        // Any other name is copied whole, so that no reference is found inside it.
        if (IsNameChar(c)) {
            std::size_t end = i;
            while (end < f.size() && IsNameChar(f[end])) ++end;
            out.append(f.substr(i, end - i));
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

int WholeYears(const DateTime& birth, const DateTime& today) {
    int years = today.year - birth.year;
    if (today.month < birth.month || (today.month == birth.month && today.day < birth.day)) --years;
    return years;
}

int DisplayWidth(std::u16string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        UChar32 c = text[i];
        if (c < 0x80) {  // ASCII is narrow
            ++width;
            continue;
        }
        if (U16_IS_LEAD(c) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1]))
            c = U16_GET_SUPPLEMENTARY(c, text[++i]);
        const int eaw = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
        width += eaw == U_EA_WIDE || eaw == U_EA_FULLWIDTH || eaw == U_EA_AMBIGUOUS ? 2 : 1;
    }
    return width;
}

double FittedColumnWidth(int widestText) { return std::min(kMaxColumnWidth, widestText + 2.0); }

}  // namespace zl
