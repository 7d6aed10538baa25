#include "export/CsvLines.h"

#include <array>

#include "export/BirthMonthFilter.h"
#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {
namespace {

// The fields of a stored line, counted from 0; fields the line lacks are empty.
using Fields = std::array<std::u16string_view, kFieldCount>;

Fields SplitFields(std::u16string_view line) {
    Fields f{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < f.size() && start <= line.size(); ++i) {
        std::size_t end = line.find(u',', start);
        if (end == std::u16string_view::npos) end = line.size();
        f[i] = line.substr(start, end - start);
        start = end + 1;
    }
    return f;
}

std::u16string_view FieldOf(const Fields& f, RosterField field) {
    return f[static_cast<std::size_t>(field) - 1];
}

// Appends a stored value between double quotes: its double quotes doubled, "~" as ",".
void AppendQuotedStored(std::u16string& out, std::u16string_view stored) {
    out += u'"';
    for (char16_t c : stored) {
        if (c == u'"')
            out += u"\"\"";
        else
            out += c == u'~' ? u',' : c;
    }
    out += u'"';
}

void AppendLabelColumn(std::u16string& out, std::u16string_view value) {
    if (value.find_first_of(u",\"") == std::u16string_view::npos) {
        out += value;
        return;
    }
    out += u'"';
    for (char16_t c : value) {
        if (c == u'"') out += u'"';
        out += c;
    }
    out += u'"';
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
    out += u'"';
    for (char16_t c : line) {
        switch (c) {
            case u',':
                out += u"\",\"";
                break;
            case u'~':
                out += u',';
                break;
            case u'"':
                out += u"\"\"";
                break;
            default:
                out += c;
        }
    }
    out += u"\"\r\n";
}

// --- Bulk-mail CSV ---

std::u16string BulkMailCsvHeader() {
    return u"\"名前（姓）\",\"名前（名）\",\"かな（めい）\",\"郵便番号\",\"番地以下\",\"電話番号\","
           u"\"メールアドレス\",\"携帯電話メールアドレス\"\r\n";
}

void AppendBulkMailCsvLine(std::u16string& out, std::u16string_view line) {
    const Fields f = SplitFields(line);
    for (std::size_t i = 0; i < 7; ++i) {
        AppendQuotedStored(out, f[i]);
        out += u',';
    }
    out += FieldOf(f, RosterField::NoPhone) == u"ON" ? u"\"○\"\r\n" : u"\"\"\r\n";
}

// --- Label CSV ---

bool LabelExported(std::u16string_view line, const std::optional<std::u16string>& monthKey) {
    const Fields f = SplitFields(line);
    return FieldOf(f, RosterField::NoFlyer) != u"ON" &&
           FieldOf(f, RosterField::NoPostcard) != u"ON" && BirthMonthMatches(line, monthKey);
}

std::u16string LabelColumn(std::u16string_view value) {
    std::u16string out;
    AppendLabelColumn(out, value);
    return out;
}

LabelAddress SplitLabelAddress(std::u16string_view address) {
    std::size_t at = address.find(u'　');
    if (at == 0 || at == std::u16string_view::npos) at = address.find(u' ');
    if (at == 0 || at == std::u16string_view::npos) return {std::u16string(address), {}};
    return {std::u16string(address.substr(0, at)), std::u16string(address.substr(at + 1))};
}

LabelJoint LabelJointColumns(std::u16string_view name, std::u16string_view joint) {
    // The length counts the double quotes the value is written with.
    const std::size_t length = LabelColumn(joint).size();
    if (length == 0) return {};
    if (length > 6) return {std::u16string(joint), {}};
    std::u16string padded;
    if (const std::size_t s = name.find(u'　'); s != std::u16string_view::npos)
        padded.assign(s + 1, u'　');
    padded += joint;
    return {std::move(padded), std::u16string(kHonorific)};
}

void AppendLabelRecord(std::u16string& out, std::u16string_view line) {
    const Fields f = SplitFields(line);
    const std::u16string name = DecodeFieldText(FieldOf(f, RosterField::Name));
    const LabelAddress address =
        SplitLabelAddress(DecodeFieldText(FieldOf(f, RosterField::Address)));
    AppendLabelColumn(out, name);
    out += u',';
    AppendLabelColumn(out, DecodeFieldText(FieldOf(f, RosterField::PostalCode)));
    out += u',';
    AppendLabelColumn(out, address.first);
    out += u',';
    AppendLabelColumn(out, address.second);
    out += u",,";
    AppendLabelColumn(out, u"[ " + DecodeFieldText(FieldOf(f, RosterField::No)) + u" ]");
    out += u",,";
    AppendLabelColumn(out, name);
    out += u',';
    out += kHonorific;
    for (RosterField joint : {RosterField::Joint1, RosterField::Joint2, RosterField::Joint3}) {
        const LabelJoint j = LabelJointColumns(name, DecodeFieldText(FieldOf(f, joint)));
        out += u',';
        AppendLabelColumn(out, j.name);
        out += u',';
        out += j.honorific;
    }
    out += u',';
    AppendLabelColumn(out, DecodeFieldText(FieldOf(f, RosterField::Remark1)));
    out += u',';
    AppendLabelColumn(out, DecodeFieldText(FieldOf(f, RosterField::Remark2)));
    out += u"\r\n";
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
