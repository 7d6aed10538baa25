// The runner's spreadsheet: the command that scripts it and the expectations on the workbooks
// the program filled.
#include "Scenario.h"
#include "platform/SheetValues.h"
#include "platform/TextUtil.h"

namespace scenario {

namespace {

std::string A1(int row, int column) { return ToU8(zl::ColumnName(column)) + std::to_string(row); }

}  // namespace

void RecordingSpreadsheet::MakeBold(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    if (!s_.workbooks.empty())
        s_.workbooks.back().bold = A1(firstRow, firstColumn) + ":" + A1(lastRow, lastColumn);
}

void RecordingSpreadsheet::FitColumns(int firstColumn, int lastColumn) {
    if (!s_.workbooks.empty())
        s_.workbooks.back().fitted =
            ToU8(zl::ColumnName(firstColumn)) + ":" + ToU8(zl::ColumnName(lastColumn));
}

namespace {

// spreadsheet unavailable | notshown | unwritable
void SpreadsheetCommand(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 2)) return;
    const std::string what = s.Arg(c, 1);
    SpreadsheetState& state = s.world_.spreadsheet;
    if (what == "unavailable")
        state.failNextStart = true;
    else if (what == "notshown")
        state.nextFinish = zl::SpreadsheetResult::Kind::NotShown;
    else if (what == "unwritable")
        state.nextFinish = zl::SpreadsheetResult::Kind::NotWritten;
    else
        s.Fail("unknown spreadsheet state " + Show(what));
}

// The latest workbook; before the first one, an empty one (no cell, no format).
const RecordedWorkbook& Latest(Scenario& s) {
    static const RecordedWorkbook none;
    return s.world_.spreadsheet.workbooks.empty() ? none : s.world_.spreadsheet.workbooks.back();
}

bool Number(Scenario& s, const std::string& text, int& n) {
    try {
        std::size_t used = 0;
        n = std::stoi(text, &used);
        if (used == text.size()) return true;
    } catch (const std::exception&) {
    }
    s.Fail("expected a number, found " + Show(text));
    return false;
}

// expect cell ROW COL TEXT: the text handed for that cell, "none" when it was never written.
void ExpectCell(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 5)) return;
    int row = 0, column = 0;
    if (!Number(s, s.Arg(c, 2), row) || !Number(s, s.Arg(c, 3), column)) return;
    const RecordedWorkbook& w = Latest(s);
    const auto it = w.cells.find({row, column});
    const std::string where = "cell " + A1(row, column) + " ";
    if (s.Arg(c, 4) == "none") {
        if (it != w.cells.end()) s.Expected(where + "not written", Show(it->second));
        return;
    }
    if (it == w.cells.end()) return s.Expected(where + Show(s.Text(c, 4)), "not written");
    if (it->second != s.Text(c, 4)) s.Expected(where + Show(s.Text(c, 4)), Show(it->second));
}

// expect rows N: the highest row written in the latest workbook.
void ExpectRows(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 3)) return;
    const RecordedWorkbook& w = Latest(s);
    // The cells are ordered by row first: the last one is in the highest row.
    const int lastRow = w.cells.empty() ? 0 : w.cells.rbegin()->first.first;
    if (std::to_string(lastRow) != s.Arg(c, 2))
        s.Expected(s.Arg(c, 2) + " rows", std::to_string(lastRow));
}

// expect bold RANGE, expect fitted RANGE: in A1 form, "none" when nothing was done.
void ExpectRange(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 3)) return;
    const RecordedWorkbook& w = Latest(s);
    const std::string& found = c.args[1] == "bold" ? w.bold : w.fitted;
    const std::string shown = found.empty() ? "none" : found;
    if (shown != s.Arg(c, 2)) s.Expected(c.args[1] + " " + s.Arg(c, 2), shown);
}

// expect workbooks N: the number of workbooks added since start.
void ExpectWorkbooks(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 3)) return;
    const std::size_t n = s.world_.spreadsheet.workbooks.size();
    if (std::to_string(n) != s.Arg(c, 2)) s.Expected(s.Arg(c, 2) + " workbooks", std::to_string(n));
}

const Register commands(Commands(), {{"spreadsheet", SpreadsheetCommand}});
const Register expectations(Expectations(), {{"cell", ExpectCell},
                                             {"rows", ExpectRows},
                                             {"bold", ExpectRange},
                                             {"fitted", ExpectRange},
                                             {"workbooks", ExpectWorkbooks}});

}  // namespace
}  // namespace scenario
