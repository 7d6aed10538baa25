// One entry as one line of 22 comma-separated fields: the field codec, field access, and
// building and reading lines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace zl {

// Field positions, counted from 1 in file order.
enum class RosterField : int {
    No = 1,
    Name,
    Kana,
    PostalCode,
    Address,
    Phone,
    MailOrUrl,
    BirthText,
    BirthDate,
    NoPhone,
    NoMail,
    NoFlyer,
    NoPostcard,
    Registered,
    Expectation,
    Votes,
    Remark1,
    Remark2,
    Remark3,
    Joint1,
    Joint2,
    Joint3
};
inline constexpr int kFieldCount = 22;

// The BirthDate text of an entry without a birthdate.
inline constexpr std::u16string_view kNoBirthDate = u"    /  /  ";

struct EncodedField {
    std::u16string text;  // "~" made "～", then "," made "~"
    int replacedTildes = 0;
};
EncodedField EncodeFieldText(std::u16string_view typed);
std::u16string DecodeFieldText(std::u16string_view stored);

struct FieldSlice {
    std::u16string text;  // as stored, not decoded
    std::size_t start = 0;
    std::size_t length = 0;
};
// Field n (1 to 22) of a line; a field that a short line lacks is empty and starts at the end
// of the line, so start and length can always be used to cut or replace it.
FieldSlice GetField(int n, std::u16string_view line);
inline FieldSlice GetField(RosterField f, std::u16string_view line) {
    return GetField(static_cast<int>(f), line);
}

// The number after the last line's No (its characters 4 to 7 read as atoi does), 1 when there is
// no line; it may pass 9999.
int NumberAfter(const std::u16string* lastLine);
// The four digits of a No: the number wrapped into 0000 to 9999.
std::u16string NoDigits(int number);

// "1234567" -> "1,234,567"; looks at no character, so only for digit strings.
std::u16string FormatThousands(std::u16string_view digits);

// The values of the entry form as the controls show them (decoded texts).
struct EntryValues {
    std::u16string name, kana, postalCode, address, phone, mailOrUrl, birthText;
    std::optional<DateTime> birthDate;  // nullopt: the picker's no-date state
    bool noPhone = false, noMail = false, noFlyer = false, noPostcard = false;
    std::u16string expectation = u"不明";  // the drop-down's text
    std::u16string votes;                  // as shown, thousands separators allowed
    std::u16string remark1, remark2, remark3, joint1, joint2, joint3;
};

// Stored texts of fields 2 to 13 and of 15 to 22, each group joined by "," (no leading or
// trailing separator), with the count of replaced "~" added to *replaced.
std::u16string BuildFields2To13(const EntryValues& v, int* replaced);
std::u16string BuildFields15To22(const EntryValues& v, int* replaced);
// A whole line: "No." + no4 + "," + fields 2-13 + "," + registered + "," + fields 15-22.
std::u16string BuildLine(std::u16string_view no4, const EntryValues& v,
                         std::u16string_view registered, int* replaced);

// A date read from a line: none (no birthdate), a date, or a text that gives no valid date
// (the picker is then left as it was).
struct ReadDate {
    enum class Kind { None, Date, Invalid } kind = Kind::None;
    DateTime value;
};
// The BirthDate and Registered reading rules; `now` gives the time of day of a Registered text
// without a time.
ReadDate ReadBirthDate(std::u16string_view text);
ReadDate ReadRegistered(std::u16string_view text, const DateTime& now);

// A line read back into form values by the reading rules.
struct LoadedEntry {
    std::u16string no;  // characters 4 to 7 of the line
    EntryValues values;
    ReadDate birthDate;
    std::u16string registeredText;
    int expectationIndex = 2;  // 0 "○", 1 "△", 2 "不明", 3 "×"
};
LoadedEntry ReadLine(std::u16string_view line);

}  // namespace zl
