// The spreadsheet application as the two spreadsheet exports drive it: start it, add a workbook
// and take its first sheet, put values into cells, make the header bold, fit the columns, and
// hand the workbook to the user. How a workbook is stored or shown is the implementation's
// business.
#pragma once

#include <string>
#include <string_view>

namespace zl {

// What became of a finished workbook.
struct SpreadsheetResult {
    enum class Kind {
        Shown,      // the user has it in front of them
        NotShown,   // kept in `file`, but no program took it: the user opens it by hand
        NotWritten  // nothing could be kept; `file` names what was attempted
    } kind = Kind::Shown;
    std::u16string file;
    std::u16string detail;  // why it was not written, when known
};

class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;

    // Starts the application; false when no workbook can be made at all.
    virtual bool Start() = 0;
    // Adds a new workbook and takes its first sheet. `title` names what it holds, such as
    // "期待度".
    virtual void AddWorkbook(std::u16string_view title) = 0;
    // Puts a text into the cell (row, column), both from 1, which the spreadsheet reads as it
    // would typed input: a number, a date, a date and time, or a text ("'" in front keeps it
    // text). A text is never read as a formula.
    virtual void PutValue(int row, int column, std::u16string_view text) = 0;
    // Puts one of the program's own formulas, written in relative R1C1 notation, with the value
    // it has today (read as typed input) for viewers that do not calculate.
    virtual void PutFormula(int row, int column, std::u16string_view r1c1,
                            std::u16string_view value) = 0;
    // Makes the cells of rows firstRow..lastRow, columns firstColumn..lastColumn bold.
    virtual void MakeBold(int firstRow, int firstColumn, int lastRow, int lastColumn) = 0;
    // Fits the widths of whole columns firstColumn..lastColumn to their contents.
    virtual void FitColumns(int firstColumn, int lastColumn) = 0;
    // Hands the workbook to the user.
    virtual SpreadsheetResult Finish() = 0;
};

}  // namespace zl
