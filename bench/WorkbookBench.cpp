// The two workbooks of the whole roster, each beside its floor: libxlsxwriter writing the same
// cells (same types, formats, formulas and widths, prepared beforehand) with no reading or
// formatting logic. "workbook-memory" writes only the birth-month workbook, for measuring the
// peak memory with /usr/bin/time -v.
#include <unistd.h>
#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "Bench.h"
#include "export/Workbooks.h"
#include "platform/FileSystem.h"
#include "platform/SheetValues.h"
#include "platform/TextUtil.h"
#include "platform/qt/XlsxSpreadsheet.h"

namespace bench {
namespace {

using namespace zl;
namespace fs = std::filesystem;

class FixedClock : public Clock {
public:
    DateTime Now() override { return {2025, 1, 15, 10, 0, 0}; }
};

class NoShell : public Shell {
public:
    int Open(std::u16string_view) override { return 42; }
};

class NoProgress : public ExportProgress {
public:
    void Begin(int) override {}
    void Step(int) override {}
    void End() override {}
};

// Records the calls, to prepare the floor's cells.
class Capture : public Spreadsheet {
public:
    struct Cell {
        int row, column;
        bool formula;
        std::u16string text, value;
    };
    bool Start() override { return true; }
    void AddWorkbook(std::u16string_view) override { cells.clear(); }
    void PutValue(int row, int column, std::u16string_view text) override {
        cells.push_back({row, column, false, std::u16string(text), {}});
    }
    void PutFormula(int row, int column, std::u16string_view r1c1,
                    std::u16string_view value) override {
        cells.push_back({row, column, true, std::u16string(r1c1), std::u16string(value)});
    }
    void MakeBold(int, int, int lastRow, int) override { boldRows = lastRow; }
    void FitColumns(int first, int last) override { fitFirst = first, fitLast = last; }
    SpreadsheetResult Finish() override { return {}; }
    std::vector<Cell> cells;
    int boldRows = 0, fitFirst = 0, fitLast = -1;
};

// One cell as libxlsxwriter takes it.
struct FloorCell {
    lxw_row_t row;
    lxw_col_t col;
    TypedValue::Kind kind;
    bool formula, bold;
    std::string text, formulaText, format;
    double number;
    lxw_datetime when;
};

struct Floor {
    std::vector<FloorCell> cells;
    std::map<int, double> widths;
};

Floor Prepare(const Capture& c) {
    Floor f;
    std::map<int, int> widest;
    for (const Capture::Cell& cell : c.cells) {
        const TypedValue v = ReadTypedInput(cell.formula ? cell.value : cell.text);
        FloorCell out{static_cast<lxw_row_t>(cell.row - 1),
                      static_cast<lxw_col_t>(cell.column - 1),
                      v.kind,
                      cell.formula,
                      cell.row <= c.boldRows,
                      ToUtf8(v.text),
                      cell.formula ? ToUtf8(R1C1ToA1(cell.text, cell.row, cell.column)) : "",
                      v.format,
                      v.number,
                      {v.date.year, v.date.month, v.date.day, v.date.hour, v.date.minute,
                       static_cast<double>(v.date.second)}};
        f.cells.push_back(std::move(out));
        int& w = widest[cell.column];
        w = std::max(w, DisplayWidth(cell.formula ? cell.value : cell.text));
    }
    for (const auto& [column, w] : widest)
        if (column >= c.fitFirst && column <= c.fitLast && w > 0)
            f.widths[column] = FittedColumnWidth(w);
    return f;
}

bool WriteFloor(const Floor& f, const fs::path& path) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    std::map<std::pair<std::string, bool>, lxw_format*> formats;
    for (const FloorCell& c : f.cells) {
        if (c.format.empty() && !c.bold) continue;
        lxw_format*& format = formats[{c.format, c.bold}];
        if (format) continue;
        format = workbook_add_format(book);
        if (c.bold) format_set_bold(format);
        if (!c.format.empty()) format_set_num_format(format, c.format.c_str());
    }
    for (const auto& [column, width] : f.widths)
        worksheet_set_column(sheet, column - 1, column - 1, width, nullptr);
    for (const FloorCell& c : f.cells) {
        lxw_format* format = nullptr;
        if (!c.format.empty() || c.bold) format = formats[{c.format, c.bold}];
        if (c.formula) {
            if (c.kind == TypedValue::Kind::Number)
                worksheet_write_formula_num(sheet, c.row, c.col, c.formulaText.c_str(), format,
                                            c.number);
            else
                worksheet_write_formula_str(sheet, c.row, c.col, c.formulaText.c_str(), format,
                                            c.text.c_str());
            continue;
        }
        lxw_datetime when = c.when;
        switch (c.kind) {
            case TypedValue::Kind::Empty:
                break;
            case TypedValue::Kind::Text:
                worksheet_write_string(sheet, c.row, c.col, c.text.c_str(), format);
                break;
            case TypedValue::Kind::Number:
                worksheet_write_number(sheet, c.row, c.col, c.number, format);
                break;
            default:
                worksheet_write_datetime(sheet, c.row, c.col, &when, format);
        }
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

const std::array<std::u16string, 7> kCaptions = {u"本人含む人数", u"備考１", u"備考２", u"備考３",
                                                 u"連名１",       u"連名２", u"連名３"};

fs::path BenchFolder() {
    return fs::temp_directory_path() / ("zorvel_workbook_bench_" + std::to_string(::getpid()));
}

double FileMB(const std::u16string& file) {
    std::error_code ec;
    return static_cast<double>(fs::file_size(PathFromText(file), ec)) / 1e6;
}

bool Workbooks(const std::vector<std::u16string>& lines) {
    const fs::path folder = BenchFolder();
    FixedClock clock;
    NoShell shell;
    NoProgress progress;
    XlsxSpreadsheet sheet(folder, clock, shell);
    bool ok = true;

    struct Book {
        const char* name;
        void (*fill)(Spreadsheet&, const std::vector<std::u16string>&, ExportProgress&);
    } books[] = {
        {"birth-month workbook",
         [](Spreadsheet& s, const std::vector<std::u16string>& l, ExportProgress& p) {
             FillBirthMonthWorkbook(s, l, u"全月", kCaptions, {2025, 1, 15, 10, 0, 0}, p);
         }},
        {"expectation workbook",
         [](Spreadsheet& s, const std::vector<std::u16string>& l, ExportProgress& p) {
             FillExpectationWorkbook(s, l, kCaptions, p);
         }},
    };
    // The best of three runs each, taken in turns, so that a busy machine weighs on both alike.
    constexpr int kRuns = 3;
    for (const Book& book : books) {
        Capture capture;
        book.fill(capture, lines, progress);
        const Floor floor = Prepare(capture);
        const fs::path floorFile = folder / "floor.xlsx";
        double fill = 1e300, finish = 1e300, ours = 1e300, floorMs = 1e300;
        SpreadsheetResult r;
        bool floorOk = true;
        for (int run = 0; run < kRuns; ++run) {
            const double f = Millis([&] { book.fill(sheet, lines, progress); });
            const double w = Millis([&] { r = sheet.Finish(); });
            if (f + w < ours) ours = f + w, fill = f, finish = w;
            ok = ok && r.kind == SpreadsheetResult::Kind::Shown;
            const double mb = FileMB(r.file);
            std::error_code ec;
            if (run + 1 < kRuns) fs::remove(PathFromText(r.file), ec);
            bool written = false;
            floorMs = std::min(floorMs, Millis([&] { written = WriteFloor(floor, floorFile); }));
            floorOk = floorOk && written;
            fs::remove(floorFile, ec);
            if (run + 1 == kRuns)
                std::printf("%s: %zu cells, %.1f MB\n", book.name, capture.cells.size(), mb);
        }
        std::printf("  export:                %8.1f ms  (cells %.1f ms, workbook %.1f ms)\n", ours,
                    fill, finish);
        std::printf("  libxlsxwriter floor:   %8.1f ms  (export / floor = %.2f)\n", floorMs,
                    ours / floorMs);
        ok = ok && floorOk;
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
    return ok;
}

// Only the birth-month workbook: run alone under /usr/bin/time -v for the peak memory.
bool BirthMonthOnly(const std::vector<std::u16string>& lines) {
    const fs::path folder = BenchFolder();
    FixedClock clock;
    NoShell shell;
    NoProgress progress;
    XlsxSpreadsheet sheet(folder, clock, shell);
    SpreadsheetResult r;
    const double ms = Millis([&] {
        FillBirthMonthWorkbook(sheet, lines, u"全月", kCaptions, clock.Now(), progress);
        r = sheet.Finish();
    });
    std::printf("birth-month workbook:  %8.1f ms, %.1f MB\n", ms, FileMB(r.file));
    std::error_code ec;
    fs::remove_all(folder, ec);
    return r.kind == SpreadsheetResult::Kind::Shown;
}

const Register reg("workbook", Workbooks);
const Register memory("workbook-memory", BirthMonthOnly);

}  // namespace
}  // namespace bench
