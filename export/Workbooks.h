// The two spreadsheet exports without the window: the birth-month workbook (the roster's entries
// of one birth month, all fields, with the age formula) and the expectation workbook (number,
// name, phone, expectation and votes of every entry, with the four counts).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Spreadsheet.h"

namespace zl {

// The progress bar of the exports.
class ExportProgress {
public:
    virtual ~ExportProgress() = default;
    virtual void Begin(int high) = 0;  // shown, with the range 0 .. high
    virtual void Step(int position) = 0;
    virtual void End() = 0;  // back to 0 and hidden
};

// The age formula of column J, in relative R1C1 notation.
inline constexpr std::u16string_view kAgeFormula =
    u"=IF(RC[-1]=\"    /  /  \",\"\",IF(RC[-1]>TODAY(),\"?\",DATEDIF(RC[-1],TODAY(),\"Y\")))";

// The sixteen fixed header names, each followed by a comma.
inline constexpr std::u16string_view kWorkbookHeaderNames =
    u"No.,名前,なまえ,〒,住所,電話番号,Eメール or ホームページ,生年月日（記入）,"
    u"生年月日（西暦）,年齢,電話不要,E-Mail不要,チラシ不要,ハガキ不要,登録日,期待度,";

// The fixed names followed by the seven stripped captions, each with a comma after it.
std::u16string WorkbookHeaderText(const std::array<std::u16string, 7>& captions);

// The text cut at its commas, at most `count` pieces (a last piece without a comma counts).
std::vector<std::u16string> CutAtCommas(std::u16string_view text, std::size_t count);

// What the age formula shows today for a cell holding this BirthDate text: "" for no
// birthdate, "?" for a date after today, else the whole years.
std::u16string AgeToday(std::u16string_view birthDate, const DateTime& today);

// The count formula of an expectation label on row `row` of a sheet whose entries fill rows 2
// to `lastEntryRow`, in relative R1C1 notation: =COUNTIF(R[-(row-2)]C:R[-(row-lastEntryRow)]C,
// "○").
std::u16string CountFormula(std::u16string_view label, int row, int lastEntryRow);

// The expectation labels of the count rows, in their order.
inline constexpr std::array<std::u16string_view, 4> kExpectationLabels = {u"○", u"△", u"×",
                                                                          u"不明"};

// Fills a new workbook with the header and the entries of `lines` that match the selector's
// birth month, advancing the progress once per line, then makes the header bold and fits the
// columns A to W.
void FillBirthMonthWorkbook(Spreadsheet& sheet, const std::vector<std::u16string>& lines,
                            std::u16string_view selectorText,
                            const std::array<std::u16string, 7>& captions, const DateTime& today,
                            ExportProgress& progress);

// Fills a new workbook "期待度" with the five-column header, one row per line and the four
// count rows, then makes A1:V1 bold and fits the columns A to V.
void FillExpectationWorkbook(Spreadsheet& sheet, const std::vector<std::u16string>& lines,
                             const std::array<std::u16string, 7>& captions,
                             ExportProgress& progress);

}  // namespace zl
