// The spreadsheet as a file: the cells are held compactly while the export runs, then written in
// one piece as an .xlsx workbook (libxlsxwriter) into the workbooks folder and opened with the
// desktop's program for it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "platform/Spreadsheet.h"

namespace zl {

class XlsxSpreadsheet : public Spreadsheet {
public:
    // `folder` is the workbooks folder, created when missing; `clock` names the files; `shell`
    // opens them.
    XlsxSpreadsheet(std::filesystem::path folder, Clock& clock, Shell& shell)
        : folder_(std::move(folder)), clock_(clock), shell_(shell) {}

    bool Start() override { return true; }
    void AddWorkbook(std::u16string_view title) override;
    void PutValue(int row, int column, std::u16string_view text) override;
    void PutFormula(int row, int column, std::u16string_view r1c1,
                    std::u16string_view value) override;
    void MakeBold(int firstRow, int firstColumn, int lastRow, int lastColumn) override;
    void FitColumns(int firstColumn, int lastColumn) override;
    // Writes "<title>_<yyyymmdd>_<hhmmss>.xlsx" (with "_2", "_3" … when that name is taken)
    // through a temporary file in the same folder, then opens it.
    SpreadsheetResult Finish() override;

    // Writes the held workbook to `path` (replacing nothing: the caller picks a free name);
    // false with a reason in `error` when it cannot.
    bool WriteTo(const std::filesystem::path& path, std::u16string& error) const;

private:
    struct Cell {
        std::uint32_t row;
        std::uint16_t column;
        bool formula;
        std::uint32_t text;  // offset of the text (the formula) in texts_
        std::uint32_t textLength;
        std::uint32_t valueLength;  // a formula's value follows its text
    };
    struct Range {
        int firstRow = 0, firstColumn = 0, lastRow = -1, lastColumn = -1;
        bool Holds(int row, int column) const {
            return row >= firstRow && row <= lastRow && column >= firstColumn &&
                   column <= lastColumn;
        }
    };

    void Put(int row, int column, bool formula, std::u16string_view text,
             std::u16string_view value);

    std::filesystem::path folder_;
    Clock& clock_;
    Shell& shell_;
    std::u16string title_;
    std::vector<Cell> cells_;
    std::u16string texts_;
    Range bold_;
    int fitFirst_ = 0, fitLast_ = -1;
};

}  // namespace zl
