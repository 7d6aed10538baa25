#include "export/CsvLines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "export/BirthMonthFilter.h"
#include "export/Utf16Scan.h"
#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {
namespace {

// The fields of a stored line, counted from 0, as bounds in the line; fields the line lacks are
// empty. The bounds are left uninitialised until split, as clearing them first showed in the
// profile. `plain` when the line holds no '"' and no '~', so that no label column needs quotes.
struct Fields {
    std::u16string_view line;
    std::uint32_t from[kFieldCount], to[kFieldCount];
    bool plain;
};

void SplitFields(std::u16string_view line, Fields& f) {
    f.line = line;
    const char16_t* const d = line.data();
    const std::size_t size = line.size();
    std::size_t start = 0, field = 0, i = 0;
    std::uint64_t quoted = 0;
    auto cut = [&](std::size_t end) {
        f.from[field] = static_cast<std::uint32_t>(start);
        f.to[field++] = static_cast<std::uint32_t>(end);
        start = end + 1;
    };
    for (; i + 4 <= size && field < kFieldCount; i += 4) {
        const std::uint64_t w = scan::Load4(d + i);
        quoted |= scan::LanesEqual(w, u'"') | scan::LanesEqual(w, u'~');
        for (std::uint64_t m = scan::LanesEqual(w, u','); m != 0 && field < kFieldCount;
             m = scan::DropFirstLane(m))
            cut(i + scan::FirstLane(m));
    }
    for (; i < size && field < kFieldCount; ++i) {
        if (d[i] == u'"' || d[i] == u'~') quoted = 1;
        if (d[i] == u',') cut(i);
    }
    if (field < kFieldCount) cut(size);
    for (; field < kFieldCount; ++field) f.from[field] = f.to[field] = 0;
    // A word read past the last field's comma may have seen quotes of fields not split.
    f.plain = quoted == 0;
}

std::u16string_view FieldOf(const Fields& f, RosterField field) {
    const std::size_t k = static_cast<std::size_t>(field) - 1;
    return f.line.substr(f.from[k], f.to[k] - f.from[k]);
}

// Lines are built with plain pointer writes into a scratch buffer large enough for the worst
// case, then appended in one piece.
char16_t* Scratch(std::size_t size) {
    thread_local std::u16string buffer;
    if (buffer.size() < size) buffer.resize(size);
    return buffer.data();
}

void AppendFrom(std::u16string& out, const char16_t* begin, const char16_t* end) {
    out.append(begin, static_cast<std::size_t>(end - begin));
}

// Room the scratch buffer keeps past a line's worst case for CopyPlain's whole-word stores.
constexpr std::size_t kSlack = 8;

// Copies text[i..] to `p` up to the first ',', '"' or '~', whose position it returns (the
// size when there is none). Copies four units at a time and may store up to three units past
// what it copies, which the next write covers or kSlack leaves room for.
std::size_t CopyPlain(std::u16string_view text, std::size_t i, char16_t*& p) {
    const char16_t* const d = text.data();
    const std::size_t size = text.size();
    for (; i + 4 <= size; i += 4) {
        const std::uint64_t w = scan::Load4(d + i);
        const std::uint64_t m = scan::SpecialLanes(w);
        std::memcpy(p, &w, sizeof w);
        if (m != 0) {
            const std::size_t k = scan::FirstLane(m);
            p += k;
            return i + k;
        }
        p += 4;
    }
    for (; i < size; ++i) {
        const char16_t c = d[i];
        if (c == u',' || c == u'"' || c == u'~') return i;
        *p++ = c;
    }
    return size;
}

// Whether a label column is written between quotes.
bool NeedsQuotes(std::u16string_view stored) { return scan::HasSpecial(stored); }

// A label column: `padding` full-width spaces and the decoded value, quoted when needed. The
// value is copied as it is and only written again when it turns out to need quotes.
char16_t* PutLabelColumn(char16_t* p, std::u16string_view stored, std::size_t padding = 0) {
    char16_t* const start = p;
    for (std::size_t i = 0; i < padding; ++i) *p++ = u'　';
    if (CopyPlain(stored, 0, p) == stored.size()) return p;
    p = start;
    *p++ = u'"';
    for (std::size_t i = 0; i < padding; ++i) *p++ = u'　';
    for (char16_t d : stored) {
        if (d == u'"') *p++ = u'"';
        *p++ = d == u'~' ? u',' : d;
    }
    *p++ = u'"';
    return p;
}

// Whether the field that starts at `at` is exactly "ON".
bool FieldIsOn(std::u16string_view line, std::size_t at) {
    return at + 2 <= line.size() && line[at] == u'O' && line[at + 1] == u'N' &&
           (at + 2 == line.size() || line[at + 2] == u',');
}

constexpr std::u16string_view kHonorific = u"　様";

}  // namespace

std::u16string FormatCount(int count) {
    if (count < 1000) return ToU16(count);
    return ToU16(count / 1000) + u"," + ZeroPad(count % 1000, 3);
}

SaveRequest CsvSaveRequest(std::u16string_view defaultName) {
    SaveRequest r;
    r.title = u"名前を付けて保存";
    r.defaultName = std::u16string(defaultName);
    r.defaultExt = u"csv";
    r.filters = {{u"CSVﾃﾞｰﾀ", u"*.csv"}, {u"全て", u"*.*"}};
    r.confirmOverwrite = true;
    return r;
}

// --- Birth-month CSV ---

std::u16string BirthMonthCsvHeader(const std::array<std::u16string, 7>& captions) {
    static constexpr std::u16string_view kFixed[] = {u"No.",
                                                     u"名前",
                                                     u"なまえ",
                                                     u"〒",
                                                     u"住所",
                                                     u"電話番号",
                                                     u"Eメール or ホームページ",
                                                     u"生年月日（記入）",
                                                     u"生年月日（西暦）",
                                                     u"電話不要",
                                                     u"E-Mail不要",
                                                     u"チラシ不要",
                                                     u"ハガキ不要",
                                                     u"登録日",
                                                     u"期待度"};
    std::u16string out;
    auto append = [&out](std::u16string_view label) {
        if (!out.empty()) out += u',';
        out += u'"';
        out += ReplaceAll(label, u"\"", u"\"\"");
        out += u'"';
    };
    for (std::u16string_view label : kFixed) append(label);
    for (const std::u16string& caption : captions) append(caption);
    out += u"\r\n";
    return out;
}

void AppendBirthMonthCsvLine(std::u16string& out, std::u16string_view line) {
    char16_t* const begin = Scratch(line.size() * 3 + 4 + kSlack);
    char16_t* p = begin;
    *p++ = u'"';
    for (std::size_t i = CopyPlain(line, 0, p); i < line.size(); i = CopyPlain(line, i + 1, p)) {
        const char16_t c = line[i];
        if (c == u',') {
            *p++ = u'"';
            *p++ = u',';
            *p++ = u'"';
        } else if (c == u'~') {
            *p++ = u',';
        } else {
            *p++ = u'"';
            *p++ = u'"';
        }
    }
    *p++ = u'"';
    *p++ = u'\r';
    *p++ = u'\n';
    AppendFrom(out, begin, p);
}

// --- Bulk-mail CSV ---

std::u16string BulkMailCsvHeader() {
    return u"\"名前（姓）\",\"名前（名）\",\"かな（めい）\",\"郵便番号\",\"番地以下\",\"電話番号\","
           u"\"メールアドレス\",\"携帯電話メールアドレス\"\r\n";
}

void AppendBulkMailCsvLine(std::u16string& out, std::u16string_view line) {
    char16_t* const begin = Scratch(line.size() * 2 + 32 + kSlack);
    char16_t* p = begin;
    const std::size_t size = line.size();
    std::size_t i = 0;
    // Fields 1 to 7 in one pass, each between quotes; a short line ends in empty fields.
    *p++ = u'"';
    int column = 1;
    for (i = CopyPlain(line, 0, p); i < size; i = CopyPlain(line, i + 1, p)) {
        const char16_t c = line[i];
        if (c == u',') {
            *p++ = u'"';
            *p++ = u',';
            *p++ = u'"';
            if (++column > 7) break;
        } else if (c == u'~') {
            *p++ = u',';
        } else {
            *p++ = u'"';
            *p++ = u'"';
        }
    }
    ++i;
    for (; column <= 7; ++column) {
        *p++ = u'"';
        *p++ = u',';
        *p++ = u'"';
    }
    // Column 8 from NoPhone, field 10, past fields 8 and 9.
    if (i < size) i = std::min(scan::AfterCommas(line, i, 2), size);
    if (FieldIsOn(line, i)) *p++ = u'○';
    *p++ = u'"';
    *p++ = u'\r';
    *p++ = u'\n';
    AppendFrom(out, begin, p);
}

// --- Label CSV ---

bool LabelExported(std::u16string_view line, const std::optional<std::u16string>& monthKey) {
    // NoFlyer and NoPostcard, fields 12 and 13, follow the eleventh comma; the month's BirthDate,
    // field 9, the eighth.
    std::size_t i = 0;
    if (monthKey) {
        i = scan::AfterCommas(line, 0, 8);
        if (i == std::u16string_view::npos || !BirthDateMonthIs(line.substr(i), *monthKey))
            return false;
        i = scan::AfterCommas(line, i, 3);
    } else {
        i = scan::AfterCommas(line, 0, 11);
    }
    if (i == std::u16string_view::npos) return true;  // the flags are missing: empty, not "ON"
    if (FieldIsOn(line, i)) return false;
    while (i < line.size() && line[i] != u',') ++i;
    return i >= line.size() || !FieldIsOn(line, i + 1);
}

std::u16string LabelColumn(std::u16string_view stored) {
    char16_t* const begin = Scratch(stored.size() * 2 + 2 + kSlack);
    return std::u16string(begin, PutLabelColumn(begin, stored));
}

LabelAddress SplitLabelAddress(std::u16string_view address) {
    std::size_t at = address.find(u'　');
    if (at == 0 || at == std::u16string_view::npos) at = address.find(u' ');
    if (at == 0 || at == std::u16string_view::npos) return {address, {}};
    return {address.substr(0, at), address.substr(at + 1)};
}

LabelJoint LabelJointLayout(std::u16string_view name, std::u16string_view joint) {
    std::size_t length = joint.size();
    if (NeedsQuotes(joint)) {
        length += 2;
        for (char16_t c : joint) length += c == u'"' ? 1 : 0;
    }
    if (length == 0 || length > 6) return {};
    const std::size_t s = name.find(u'　');
    return {s == std::u16string_view::npos ? 0 : s + 1, true};
}

void AppendLabelRecord(std::u16string& out, std::u16string_view line) {
    Fields f;
    SplitFields(line, f);
    const std::u16string_view name = FieldOf(f, RosterField::Name);
    const LabelAddress address = SplitLabelAddress(FieldOf(f, RosterField::Address));
    // Each column at most doubles; the name is written twice and pads up to three joint names.
    char16_t* const begin = Scratch(line.size() * 2 + name.size() * 6 + 64 + kSlack);
    char16_t* p = begin;
    // Columns are short: copied inline, a word at a time, rather than through a call.
    auto put = [&p](std::u16string_view text) {
        const char16_t* d = text.data();
        const std::size_t size = text.size();
        std::size_t i = 0;
        for (; i + 4 <= size; i += 4) {
            const std::uint64_t w = scan::Load4(d + i);
            std::memcpy(p + i, &w, sizeof w);
        }
        for (; i < size; ++i) p[i] = d[i];
        p += size;
    };
    auto putPair = [&p](std::u16string_view two) {
        *p++ = two[0];
        *p++ = two[1];
    };
    auto column = [&](std::u16string_view stored, std::size_t padding = 0) {
        if (f.plain) {
            for (std::size_t i = 0; i < padding; ++i) *p++ = u'　';
            put(stored);
        } else {
            p = PutLabelColumn(p, stored, padding);
        }
    };
    column(name);
    *p++ = u',';
    column(FieldOf(f, RosterField::PostalCode));
    *p++ = u',';
    column(address.first);
    *p++ = u',';
    column(address.second);
    putPair(u",,");
    const std::u16string_view no = FieldOf(f, RosterField::No);
    if (!f.plain && NeedsQuotes(no)) {
        p = PutLabelColumn(p, u"[ " + std::u16string(no) + u" ]");
    } else {
        putPair(u"[ ");
        put(no);
        putPair(u" ]");
    }
    putPair(u",,");
    column(name);
    *p++ = u',';
    putPair(kHonorific);
    for (RosterField field : {RosterField::Joint1, RosterField::Joint2, RosterField::Joint3}) {
        const std::u16string_view joint = FieldOf(f, field);
        const LabelJoint layout = LabelJointLayout(name, joint);
        *p++ = u',';
        column(joint, layout.padding);
        *p++ = u',';
        if (layout.honorific) putPair(kHonorific);
    }
    *p++ = u',';
    column(FieldOf(f, RosterField::Remark1));
    *p++ = u',';
    column(FieldOf(f, RosterField::Remark2));
    *p++ = u'\r';
    *p++ = u'\n';
    AppendFrom(out, begin, p);
}

std::u16string LabelQuestion(int dropped, int valid, std::u16string_view selectorText) {
    std::u16string q = u"チラシ不要かハガキ不要で間引かれるのは、" + FormatCount(dropped) +
                       u"件です。" + u"有効データは、" + FormatCount(valid) + u"件です。";
    if (valid > kLabelRecordsPerFile) q += u"Labrinのデータ容量3,000件を超えていますので、分割して";
    q += u"\r誕生月『";
    q += selectorText;
    q += u"』のLabrin用CSVファイル出力を行います。";
    q += u"\r\rNo."
         u"は会社機関等同２行目欄に入りますので、その欄はLabrinで小さな文字サイズに設定ください。";
    return q;
}

std::u16string LabelSplitFileName(std::u16string_view chosenPath, int number) {
    const std::size_t keep = chosenPath.size() > 4 ? chosenPath.size() - 4 : 0;
    return std::u16string(chosenPath.substr(0, keep)) + u"-" + ZeroPad(number, 4) + u".csv";
}

}  // namespace zl
