// How a spreadsheet reads the values it is handed: typed input into numbers, dates and texts,
// relative R1C1 references into A1 references, and the width a column needs for its texts.
#pragma once

#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace zl {

// One cell's value as the spreadsheet reads a typed text.
struct TypedValue {
    enum class Kind { Empty, Text, Number, Date, DateTime } kind = Kind::Empty;
    std::u16string text;  // Text: the text, less a leading "'"
    double number = 0;    // Number
    DateTime date;        // Date, DateTime
    // The number format that shows the value as typed: empty for the general format,
    // "#,##0" (with ".00…" for decimals), "0.00…", "yyyy/mm/dd", "yyyy/mm/dd hh:mm" or
    // "yyyy/mm/dd hh:mm:ss".
    std::string format;
};

// Integers and decimals with an optional sign and thousands separators in groups of three,
// dates yyyy/m/d (years 1900 to 9999), such dates followed by a space and h:mm or h:mm:ss,
// a text after a leading "'", the empty text; everything else, "=" at the start included, is
// text.
TypedValue ReadTypedInput(std::u16string_view typed);

// 1 -> "A", 26 -> "Z", 27 -> "AA"; empty for columns below 1.
std::u16string ColumnName(int column);

// A formula with its R1C1 references (R[-1]C, RC[2], R3C4, R[1]C[-1] and the like) replaced by
// the A1 references they make in the cell (row, column); texts between double quotes are left
// alone. A reference that leaves the sheet becomes "#REF!".
std::u16string R1C1ToA1(std::u16string_view formula, int row, int column);

// Whole years from birth to today, as DATEDIF(birth, today, "Y") counts them: the birthday
// itself counts, and 29 February counts on 1 March in other years.
int WholeYears(const DateTime& birth, const DateTime& today);

// The width of a text in columns of a Japanese font: a wide, full-width or ambiguous (○, ×, 【)
// character counts two, any other one.
int DisplayWidth(std::u16string_view text);

// The column width for the widest text of a column: a little more than the text, at most
// kMaxColumnWidth.
inline constexpr double kMaxColumnWidth = 60;
double FittedColumnWidth(int widestText);

}  // namespace zl
