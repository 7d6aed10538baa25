#include "roster/RosterLine.h"

#include <algorithm>

#include "platform/TextUtil.h"

namespace zl {

namespace {

// Part of a text from `pos`, at most `count` units; empty past the end (never throws).
std::u16string_view Mid(std::u16string_view text, std::size_t pos,
                        std::size_t count = std::u16string_view::npos) {
    if (pos >= text.size()) return {};
    return text.substr(pos, count);
}

// Character n, counted from 1; 0 past the end.
char16_t CharAt(std::u16string_view text, std::size_t n) {
    return n >= 1 && n <= text.size() ? text[n - 1] : u'\0';
}

// Inserts "0" before character n (counted from 1).
void InsertZeroBefore(std::u16string& text, std::size_t n) {
    text.insert(std::min(n - 1, text.size()), 1, u'0');
}

std::u16string_view Flag(bool on) { return on ? u"ON" : u"OFF"; }

// A line never holds a line break or NUL: one that slipped past the form becomes a blank.
char16_t LineSafe(char16_t c) { return c == u'\r' || c == u'\n' || c == u'\0' ? u' ' : c; }

void AppendEncoded(std::u16string& out, std::u16string_view typed, int* replaced) {
    EncodedField e = EncodeFieldText(typed);
    if (replaced) *replaced += e.replacedTildes;
    for (char16_t c : e.text) out += LineSafe(c);
}

// Takes the text up to the next "," out of `rest`, together with that separator; without a
// further "," the whole rest is the field.
std::u16string TakeField(std::u16string_view& rest) {
    std::size_t comma = rest.find(u',');
    std::u16string field(rest.substr(0, comma));
    rest = comma == rest.npos ? std::u16string_view{} : rest.substr(comma + 1);
    return field;
}

// Year from characters 1 to 4, month from 6 and 7 (a one-digit month gets its "0" first).
void ReadDatePart(std::u16string& t, DateTime& d) {
    d.year = Atoi(Mid(t, 0, 4));
    if (CharAt(t, 7) == u'/' || CharAt(t, 7) == u'-') InsertZeroBefore(t, 6);
    d.month = Atoi(Mid(t, 5, 2));
}

}  // namespace

EncodedField EncodeFieldText(std::u16string_view typed) {
    EncodedField out;
    out.text.reserve(typed.size());
    for (char16_t c : typed) {
        if (c == u'~') {
            out.text += u'～';
            ++out.replacedTildes;
        } else if (c == u',') {
            out.text += u'~';
        } else {
            out.text += c;
        }
    }
    return out;
}

std::u16string DecodeFieldText(std::u16string_view stored) {
    std::u16string out(stored);
    for (char16_t& c : out)
        if (c == u'~') c = u',';
    return out;
}

FieldSlice GetField(int n, std::u16string_view line) {
    FieldSlice slice;
    if (n < 1) return slice;
    // Walk the line as if four separators followed it: a field the line lacks is empty, and
    // one that lies wholly in those separators is reported at the end of the line.
    const std::size_t padded = line.size() + 4;
    std::size_t start = 0;
    int separatorsSeen = 0;
    for (std::size_t i = 0; i < padded && separatorsSeen < n - 1; ++i) {
        if (i >= line.size() || line[i] == u',') {
            ++separatorsSeen;
            start = i + 1;
        }
    }
    if (separatorsSeen < n - 1 || start >= line.size()) {
        slice.start = line.size();
        return slice;
    }
    std::size_t end = line.find(u',', start);
    if (end == line.npos) end = line.size();
    slice.start = start;
    slice.length = end - start;
    slice.text.assign(line.substr(start, slice.length));
    return slice;
}

int NumberAfter(const std::u16string* lastLine) {
    if (!lastLine) return 1;
    const std::u16string_view last = *lastLine;
    return Atoi(last.substr(std::min<std::size_t>(3, last.size()), 4)) + 1;
}

std::u16string NoDigits(int number) { return ZeroPad((number % 10000 + 10000) % 10000, 4); }

std::u16string FormatThousands(std::u16string_view digits) {
    std::u16string out;
    const std::size_t len = digits.size();
    out.reserve(len + len / 3);
    for (std::size_t i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0) out += u',';
        out += digits[i];
    }
    return out;
}

std::u16string BuildFields2To13(const EntryValues& v, int* replaced) {
    std::u16string out;
    out.reserve(128);
    AppendEncoded(out, v.name, replaced);
    for (const std::u16string* s :
         {&v.kana, &v.postalCode, &v.address, &v.phone, &v.mailOrUrl, &v.birthText}) {
        out += u',';
        AppendEncoded(out, *s, replaced);
    }
    out += u',';
    out += v.birthDate ? FormatDate(*v.birthDate) : std::u16string(kNoBirthDate);
    for (bool flag : {v.noPhone, v.noMail, v.noFlyer, v.noPostcard}) {
        out += u',';
        out += Flag(flag);
    }
    return out;
}

std::u16string BuildFields15To22(const EntryValues& v, int* replaced) {
    std::u16string out;
    out.reserve(64);
    AppendEncoded(out, v.expectation, replaced);
    out += u',';
    for (char16_t c : v.votes)
        if (c != u',') out += LineSafe(c);
    for (const std::u16string* s :
         {&v.remark1, &v.remark2, &v.remark3, &v.joint1, &v.joint2, &v.joint3}) {
        out += u',';
        AppendEncoded(out, *s, replaced);
    }
    return out;
}

std::u16string BuildLine(std::u16string_view no4, const EntryValues& v,
                         std::u16string_view registered, int* replaced) {
    std::u16string line = u"No.";
    line += no4;
    line += u',';
    line += BuildFields2To13(v, replaced);
    line += u',';
    line += registered;
    line += u',';
    line += BuildFields15To22(v, replaced);
    return line;
}

ReadDate ReadBirthDate(std::u16string_view text) {
    ReadDate r;
    if (text.empty() || text[0] == u' ') return r;  // no birthdate
    std::u16string t(text);
    DateTime d;
    ReadDatePart(t, d);
    d.day = Atoi(Mid(t, 8, 2));
    d.hour = d.minute = d.second = 0;
    r.kind = IsValidDate(d.year, d.month, d.day) ? ReadDate::Kind::Date : ReadDate::Kind::Invalid;
    r.value = d;
    return r;
}

ReadDate ReadRegistered(std::u16string_view text, const DateTime& now) {
    std::u16string t(text);
    DateTime d;
    ReadDatePart(t, d);
    if (CharAt(t, 10) == u' ') InsertZeroBefore(t, 9);
    d.day = Atoi(Mid(t, 8, 2));
    if (t.size() > 10) {
        if (CharAt(t, 13) == u':') InsertZeroBefore(t, 12);
        d.hour = Atoi(Mid(t, 11, 2));
        if (CharAt(t, 16) == u':') InsertZeroBefore(t, 15);
        d.minute = Atoi(Mid(t, 14, 2));
        d.second = Atoi(Mid(t, 17, 2));
    } else {
        d.hour = now.hour;
        d.minute = now.minute;
        d.second = now.second;
    }
    ReadDate r;
    r.kind = IsValidDate(d.year, d.month, d.day) && IsValidTime(d.hour, d.minute, d.second)
                 ? ReadDate::Kind::Date
                 : ReadDate::Kind::Invalid;
    r.value = d;
    return r;
}

LoadedEntry ReadLine(std::u16string_view line) {
    LoadedEntry e;
    EntryValues& v = e.values;
    e.no.assign(Mid(line, 3, 4));
    std::u16string_view rest = Mid(line, 8);

    // Fields 2 to 18, each removed with its separator.
    v.name = DecodeFieldText(TakeField(rest));
    v.kana = DecodeFieldText(TakeField(rest));
    v.postalCode = DecodeFieldText(TakeField(rest));
    v.address = DecodeFieldText(TakeField(rest));
    v.phone = DecodeFieldText(TakeField(rest));
    v.mailOrUrl = DecodeFieldText(TakeField(rest));
    v.birthText = DecodeFieldText(TakeField(rest));
    e.birthDate = ReadBirthDate(TakeField(rest));
    if (e.birthDate.kind == ReadDate::Kind::Date) v.birthDate = e.birthDate.value;
    v.noPhone = TakeField(rest) == u"ON";
    v.noMail = TakeField(rest) == u"ON";
    v.noFlyer = TakeField(rest) == u"ON";
    v.noPostcard = TakeField(rest) == u"ON";
    e.registeredText = TakeField(rest);
    const std::u16string expectation = TakeField(rest);
    static constexpr std::u16string_view kItems[] = {u"○", u"△", u"不明", u"×"};
    e.expectationIndex = expectation == kItems[0]   ? 0
                         : expectation == kItems[1] ? 1
                         : expectation == kItems[3] ? 3
                                                    : 2;
    v.expectation.assign(kItems[e.expectationIndex]);
    v.votes = FormatThousands(TakeField(rest));
    v.remark1 = DecodeFieldText(TakeField(rest));
    v.remark2 = DecodeFieldText(TakeField(rest));

    // Field 19 from the rest with one "," appended, then the joint names as fields 1 to 3 of
    // what remains: a line of 19 fields reads with the joint names empty.
    std::u16string tail(rest);
    tail += u',';
    std::u16string_view tailView = tail;
    v.remark3 = DecodeFieldText(TakeField(tailView));
    v.joint1 = DecodeFieldText(GetField(1, tailView).text);
    v.joint2 = DecodeFieldText(GetField(2, tailView).text);
    v.joint3 = DecodeFieldText(GetField(3, tailView).text);
    return e;
}

}  // namespace zl
