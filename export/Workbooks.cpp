#include "export/Workbooks.h"

#include "export/BirthMonthFilter.h"
#include "export/ExportSteps.h"
#include "platform/SheetValues.h"
#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {

namespace {

// The columns the birth-month workbook writes: A to W, the 22 fields and the age.
constexpr int kBirthMonthColumns = 23;
// The header range of the expectation workbook, as wide as the birth-month one's was meant to
// be: A to V.
constexpr int kExpectationFormatColumns = 22;

}  // namespace

std::u16string WorkbookHeaderText(const std::array<std::u16string, 7>& captions) {
    std::u16string text(kWorkbookHeaderNames);
    for (const std::u16string& caption : captions) text += caption + u",";
    return text;
}

std::vector<std::u16string> CutAtCommas(std::u16string_view text, std::size_t count) {
    std::vector<std::u16string> pieces;
    std::size_t start = 0;
    while (start < text.size() && pieces.size() < count) {
        std::size_t comma = text.find(u',', start);
        if (comma == std::u16string_view::npos) comma = text.size();
        pieces.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return pieces;
}

std::u16string AgeToday(std::u16string_view birthDate, const DateTime& today) {
    if (birthDate == kNoBirthDate) return u"";
    const TypedValue v = ReadTypedInput(birthDate);
    switch (v.kind) {
        case TypedValue::Kind::Date:
        case TypedValue::Kind::DateTime: {
            const DateTime midnight{today.year, today.month, today.day, 0, 0, 0};
            if (v.date > midnight) return u"?";
            return ToU16(WholeYears(v.date, today));
        }
        case TypedValue::Kind::Text:  // a text compares above every date
            return u"?";
        default:
            return u"";
    }
}

std::u16string CountFormula(std::u16string_view label, int row, int lastEntryRow) {
    return u"=COUNTIF(R[-" + ToU16(row - 2) + u"]C:R[-" + ToU16(row - lastEntryRow) + u"]C, \"" +
           std::u16string(label) + u"\")";
}

void FillBirthMonthWorkbook(Spreadsheet& sheet, const std::vector<std::u16string>& lines,
                            std::u16string_view selectorText,
                            const std::array<std::u16string, 7>& captions, const DateTime& today,
                            ExportProgress& progress) {
    const std::optional<std::u16string> key = BirthMonthKey(selectorText);
    sheet.AddWorkbook(BirthMonthTitle(selectorText));

    // A caption holding a comma is cut there too; only the first 23 pieces are written.
    const std::vector<std::u16string> header =
        CutAtCommas(WorkbookHeaderText(captions), kBirthMonthColumns);
    for (std::size_t k = 0; k < header.size(); ++k)
        sheet.PutValue(1, static_cast<int>(k) + 1, header[k]);

    progress.Begin(static_cast<int>(lines.size()) - 1);
    int row = 2;
    std::u16string field, birthDate;
    for (std::size_t e = 0; e < lines.size(); ++e) {
        const std::u16string& line = lines[e];
        if (BirthMonthMatches(line, key)) {
            // Every field ends at a comma of the line with one comma appended.
            int column = 1;
            int fieldNo = 1;
            birthDate.clear();
            std::size_t start = 0;
            for (std::size_t comma = line.find(u','); start <= line.size();
                 comma = line.find(u',', start)) {
                if (comma == std::u16string::npos) comma = line.size();
                const std::u16string_view stored =
                    std::u16string_view(line).substr(start, comma - start);
                if (fieldNo == static_cast<int>(RosterField::NoPhone)) {
                    // The age from the birthdate to the left, then the flags one column on.
                    sheet.PutFormula(row, column, kAgeFormula, AgeToday(birthDate, today));
                    ++column;
                }
                field.clear();
                if (fieldNo == static_cast<int>(RosterField::Phone)) field += u'\'';
                for (char16_t c : stored) field += c == u'~' ? u',' : c;
                sheet.PutValue(row, column, field);
                if (fieldNo == static_cast<int>(RosterField::BirthDate)) birthDate = field;
                ++column;
                ++fieldNo;
                start = comma + 1;
            }
            ++row;
        }
        progress.Step(static_cast<int>(e));
    }
    progress.End();

    sheet.MakeBold(1, 1, 1, kBirthMonthColumns);
    sheet.FitColumns(1, kBirthMonthColumns);
}

void FillExpectationWorkbook(Spreadsheet& sheet, const std::vector<std::u16string>& lines,
                             const std::array<std::u16string, 7>& captions,
                             ExportProgress& progress) {
    sheet.AddWorkbook(u"期待度");
    const std::u16string header = WorkbookHeaderText(captions);
    constexpr int kHeaderFields[] = {1, 2, 6, 16, 17};
    for (int k = 0; k < 5; ++k) sheet.PutValue(1, k + 1, GetField(kHeaderFields[k], header).text);

    constexpr RosterField kFields[] = {RosterField::No, RosterField::Name, RosterField::Phone,
                                       RosterField::Expectation, RosterField::Votes};
    const int n = static_cast<int>(lines.size());
    std::array<int, kExpectationLabels.size()> counts{};
    progress.Begin(n);
    for (int i = 0; i < n; ++i) {
        const std::u16string& line = lines[static_cast<std::size_t>(i)];
        for (int k = 0; k < 5; ++k) {
            const std::u16string value = DecodeFieldText(GetField(kFields[k], line).text);
            sheet.PutValue(i + 2, k + 1, value);
            if (kFields[k] == RosterField::Expectation)
                for (std::size_t l = 0; l < kExpectationLabels.size(); ++l)
                    if (value == kExpectationLabels[l]) ++counts[l];
        }
        progress.Step(i);
    }
    // Row n + 2 stays empty; the counts follow on rows n + 3 to n + 6.
    for (std::size_t l = 0; l < kExpectationLabels.size(); ++l) {
        const int row = n + 3 + static_cast<int>(l);
        sheet.PutValue(row, 3, kExpectationLabels[l]);
        sheet.PutFormula(row, 4, CountFormula(kExpectationLabels[l], row, n + 1), ToU16(counts[l]));
    }
    progress.End();

    sheet.MakeBold(1, 1, 1, kExpectationFormatColumns);
    sheet.FitColumns(1, kExpectationFormatColumns);
}

}  // namespace zl
