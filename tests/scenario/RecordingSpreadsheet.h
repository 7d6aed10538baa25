// The scripted spreadsheet: records what the program hands it, writes nothing.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Spreadsheet.h"

namespace scenario {

struct RecordedWorkbook {
    std::u16string title;
    std::map<std::pair<int, int>, std::u16string> cells;  // (row, column) -> text as handed
    std::string bold;    // "A1:W1", empty when nothing was made bold
    std::string fitted;  // "A:W", empty when no columns were fitted
};

struct SpreadsheetState {
    bool failNextStart = false;
    // What the next finish answers.
    zl::SpreadsheetResult::Kind nextFinish = zl::SpreadsheetResult::Kind::Shown;
    std::vector<RecordedWorkbook> workbooks;
};

class RecordingSpreadsheet : public zl::Spreadsheet {
public:
    explicit RecordingSpreadsheet(SpreadsheetState& s) : s_(s) {}
    bool Start() override { return !std::exchange(s_.failNextStart, false); }
    void AddWorkbook(std::u16string_view title) override {
        s_.workbooks.emplace_back().title = title;
    }
    void PutValue(int row, int column, std::u16string_view text) override {
        if (!s_.workbooks.empty()) s_.workbooks.back().cells[{row, column}] = text;
    }
    void PutFormula(int row, int column, std::u16string_view r1c1, std::u16string_view) override {
        PutValue(row, column, r1c1);
    }
    void MakeBold(int firstRow, int firstColumn, int lastRow, int lastColumn) override;
    void FitColumns(int firstColumn, int lastColumn) override;
    zl::SpreadsheetResult Finish() override {
        zl::SpreadsheetResult r;
        r.kind = std::exchange(s_.nextFinish, zl::SpreadsheetResult::Kind::Shown);
        if (r.kind != zl::SpreadsheetResult::Kind::Shown)
            r.file = u"/workbooks/" + (s_.workbooks.empty() ? u"" : s_.workbooks.back().title) +
                     u".xlsx";
        if (r.kind == zl::SpreadsheetResult::Kind::NotWritten)
            r.detail = u"No space left on device";
        return r;
    }

private:
    SpreadsheetState& s_;
};

}  // namespace scenario
