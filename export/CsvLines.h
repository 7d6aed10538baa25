// The text of the three CSV exports: header lines, one entry's line or record, the questions,
// the names of the label files. Lines end with CR LF, as the files hold them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace zl {

// A count as the export questions write it: a comma before the last three digits from 1,000
// on ("1,005").
std::u16string FormatCount(int count);

// The save dialog of a CSV export: the given default name, extension csv, the two filters, and
// the question before an existing file is replaced.
SaveRequest CsvSaveRequest(std::u16string_view defaultName);

// --- Birth-month CSV ---

// The header: fifteen fixed labels and the seven captions, each between double quotes.
std::u16string BirthMonthCsvHeader(const std::array<std::u16string, 7>& captions);
// Appends one entry: every field between double quotes with its double quotes doubled, a
// stored "~" written as the comma it stands for.
void AppendBirthMonthCsvLine(std::u16string& out, std::u16string_view line);

// --- Bulk-mail CSV ---

std::u16string BulkMailCsvHeader();
// Appends one entry: fields 1 to 7 and "○" when NoPhone is "ON", each between double quotes.
void AppendBulkMailCsvLine(std::u16string& out, std::u16string_view line);

// --- Label CSV ---

inline constexpr int kLabelRecordsPerFile = 3000;

// Whether an entry is written: NoFlyer and NoPostcard not "ON", and the birth month matches.
bool LabelExported(std::u16string_view line, const std::optional<std::u16string>& monthKey);

// The label functions below take field values as stored, a typed comma held as "~".

// A column's text as written: the value decoded, then between double quotes with its double
// quotes doubled when it holds a comma or a double quote; unchanged otherwise.
std::u16string LabelColumn(std::u16string_view stored);

// The address in two parts: split at its first full-width space unless that is the first
// character, else at its first half-width space unless that is the first character; the space
// itself is dropped.
struct LabelAddress {
    std::u16string_view first, second;
};
LabelAddress SplitLabelAddress(std::u16string_view address);

// The layout of a joint name beside `name`: full-width spaces put in front (as many as the
// family name and its space in `name`) and the honorific column "　様", both for a joint name
// of one to six characters as written (quotes included); a longer one stands alone, an empty
// one leaves both columns empty.
struct LabelJoint {
    std::size_t padding = 0;
    bool honorific = false;
};
LabelJoint LabelJointLayout(std::u16string_view name, std::u16string_view joint);

// Appends the 17-column record of one entry.
void AppendLabelRecord(std::u16string& out, std::u16string_view line);

// The question before the label export; `dropped` entries are left out, `valid` written.
std::u16string LabelQuestion(int dropped, int valid, std::u16string_view selectorText);

// The name of a numbered file of a split export: the chosen path less its last four characters,
// "-", the number in four digits at least, ".csv".
std::u16string LabelSplitFileName(std::u16string_view chosenPath, int number);

}  // namespace zl
