#include "platform/qt/XlsxSpreadsheet.h"

#include <fcntl.h>
#include <unicode/ustring.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <numeric>

#include "platform/FileSystem.h"
#include "platform/SheetValues.h"
#include "platform/TextUtil.h"

namespace zl {

namespace {

// The columns a sheet can hold.
constexpr int kColumns = 16384;

// UTF-16 to UTF-8 as ToUtf8 converts (an unpaired surrogate becomes U+FFFD), into a buffer that
// is reused cell after cell.
const char* Utf8(std::u16string_view s, std::string& out) {
    out.resize(s.size() * 3);
    int32_t n = 0;
    UErrorCode err = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &n,
                       reinterpret_cast<const UChar*>(s.data()), static_cast<int32_t>(s.size()),
                       0xFFFD, nullptr, &err);
    out.resize(U_FAILURE(err) ? 0 : static_cast<std::size_t>(n));
    return out.c_str();
}

bool MayBeTyped(char16_t first) {
    return (first >= u'0' && first <= u'9') || first == u'+' || first == u'-' || first == u'.' ||
           first == u'\'';
}

lxw_datetime ToLxw(const DateTime& t) {
    return {t.year, t.month, t.day, t.hour, t.minute, static_cast<double>(t.second)};
}

// A file name piece without the characters a path cannot hold.
std::string FileNamePart(std::u16string_view title) {
    std::u16string safe(title);
    for (char16_t& c : safe)
        if (c == u'/' || c == u'\0') c = u'_';
    return ToUtf8(safe);
}

}  // namespace

void XlsxSpreadsheet::AddWorkbook(std::u16string_view title) {
    title_ = title;
    cells_.clear();
    texts_.clear();
    bold_ = Range{};
    fitFirst_ = 0;
    fitLast_ = -1;
}

void XlsxSpreadsheet::Put(int row, int column, bool formula, std::u16string_view text,
                          std::u16string_view value) {
    if (row < 1 || row > static_cast<int>(LXW_ROW_MAX) || column < 1 || column > kColumns) return;
    cells_.push_back({static_cast<std::uint32_t>(row), static_cast<std::uint16_t>(column), formula,
                      static_cast<std::uint32_t>(texts_.size()),
                      static_cast<std::uint32_t>(text.size()),
                      static_cast<std::uint32_t>(value.size())});
    texts_ += text;
    texts_ += value;
}

void XlsxSpreadsheet::PutValue(int row, int column, std::u16string_view text) {
    Put(row, column, false, text, {});
}

void XlsxSpreadsheet::PutFormula(int row, int column, std::u16string_view r1c1,
                                 std::u16string_view value) {
    Put(row, column, true, r1c1, value);
}

void XlsxSpreadsheet::MakeBold(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    bold_ = {firstRow, firstColumn, lastRow, lastColumn};
}

void XlsxSpreadsheet::FitColumns(int firstColumn, int lastColumn) {
    fitFirst_ = firstColumn;
    fitLast_ = lastColumn;
}

bool XlsxSpreadsheet::WriteTo(const std::filesystem::path& path, std::u16string& error) const {
    // Rows go out in ascending order, each written once: the sheet is streamed to disk.
    std::vector<std::uint32_t> order(cells_.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto before = [this](std::uint32_t a, std::uint32_t b) {
        const Cell& x = cells_[a];
        const Cell& y = cells_[b];
        return x.row != y.row ? x.row < y.row : x.column < y.column;
    };
    if (!std::is_sorted(order.begin(), order.end(), before))
        std::stable_sort(order.begin(), order.end(), before);

    std::string tmpdir = path.parent_path().empty() ? "." : path.parent_path().string();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmpdir.data();
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    if (!book) {
        error = FromUtf8(std::strerror(errno));
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);

    std::map<std::pair<std::string, bool>, lxw_format*> formats;
    const auto formatOf = [&](const std::string& numberFormat, bool bold) -> lxw_format* {
        if (numberFormat.empty() && !bold) return nullptr;
        lxw_format*& f = formats[{numberFormat, bold}];
        if (!f) {
            f = workbook_add_format(book);
            if (bold) format_set_bold(f);
            if (!numberFormat.empty()) format_set_num_format(f, numberFormat.c_str());
        }
        return f;
    };

    // The fitted columns take the width of their widest shown text, the header's included.
    if (fitFirst_ <= fitLast_) {
        std::vector<int> widest(static_cast<std::size_t>(kColumns) + 1, -1);
        for (const Cell& c : cells_) {
            if (c.column < fitFirst_ || c.column > fitLast_) continue;
            std::u16string_view shown =
                c.formula ? std::u16string_view(texts_).substr(c.text + c.textLength, c.valueLength)
                          : std::u16string_view(texts_).substr(c.text, c.textLength);
            if (!shown.empty() && shown.front() == u'\'') shown.remove_prefix(1);
            widest[c.column] = std::max(widest[c.column], DisplayWidth(shown));
        }
        for (int col = std::max(1, fitFirst_); col <= std::min(kColumns, fitLast_); ++col)
            if (widest[static_cast<std::size_t>(col)] > 0)
                worksheet_set_column(
                    sheet, static_cast<lxw_col_t>(col - 1), static_cast<lxw_col_t>(col - 1),
                    FittedColumnWidth(widest[static_cast<std::size_t>(col)]), nullptr);
    }

    std::string utf8, formulaUtf8;
    for (std::uint32_t i : order) {
        const Cell& c = cells_[i];
        const lxw_row_t row = c.row - 1;
        const lxw_col_t col = c.column - 1;
        const bool bold = bold_.Holds(static_cast<int>(c.row), c.column);
        const std::u16string_view text = std::u16string_view(texts_).substr(c.text, c.textLength);
        // Most cells are plain texts: no number, date or "'" can begin with anything but a
        // digit, a sign, a point or the "'".
        if (!c.formula && !bold && !text.empty() && !MayBeTyped(text.front())) {
            worksheet_write_string(sheet, row, col, Utf8(text, utf8), nullptr);
            continue;
        }
        const TypedValue v = ReadTypedInput(
            c.formula ? std::u16string_view(texts_).substr(c.text + c.textLength, c.valueLength)
                      : text);
        lxw_format* format = formatOf(v.format, bold);
        if (c.formula) {
            Utf8(R1C1ToA1(text, static_cast<int>(c.row), c.column), formulaUtf8);
            if (v.kind == TypedValue::Kind::Number)
                worksheet_write_formula_num(sheet, row, col, formulaUtf8.c_str(), format, v.number);
            else
                worksheet_write_formula_str(sheet, row, col, formulaUtf8.c_str(), format,
                                            Utf8(v.text, utf8));
            continue;
        }
        switch (v.kind) {
            case TypedValue::Kind::Empty:
                break;
            case TypedValue::Kind::Text:
                worksheet_write_string(sheet, row, col, Utf8(v.text, utf8), format);
                break;
            case TypedValue::Kind::Number:
                worksheet_write_number(sheet, row, col, v.number, format);
                break;
            case TypedValue::Kind::Date:
            case TypedValue::Kind::DateTime: {
                lxw_datetime when = ToLxw(v.date);
                worksheet_write_datetime(sheet, row, col, &when, format);
                break;
            }
        }
    }
    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR) {
        error = FromUtf8(lxw_strerror(result));
        return false;
    }
    return true;
}

SpreadsheetResult XlsxSpreadsheet::Finish() {
    SpreadsheetResult r;
    const DateTime now = clock_.Now();
    const std::string base =
        FileNamePart(title_) + "_" +
        ToUtf8(ZeroPad(now.year, 4) + ZeroPad(now.month, 2) + ZeroPad(now.day, 2) + u"_" +
               ZeroPad(now.hour, 2) + ZeroPad(now.minute, 2) + ZeroPad(now.second, 2));
    std::filesystem::path target = folder_ / (base + ".xlsx");
    const auto release = [this] {
        std::vector<Cell>().swap(cells_);
        std::u16string().swap(texts_);
    };
    // Nothing kept: `target` names what was attempted.
    const auto notWritten = [&](std::u16string detail) {
        release();
        r.kind = SpreadsheetResult::Kind::NotWritten;
        r.file = PathText(target);
        r.detail = std::move(detail);
        return r;
    };
    if (!FolderExists(folder_) && !CreateOneFolder(folder_))
        return notWritten(FromUtf8(std::strerror(errno)));
    // A temporary name that start-up recognises, should a crash leave it behind.
    std::filesystem::path temp;
    const int fd = CreateTempFile(target, temp);
    if (fd < 0) return notWritten(FromUtf8(std::strerror(errno)));
    ::close(fd);
    std::u16string error;
    if (!WriteTo(temp, error) || !SyncFile(temp)) {
        if (error.empty()) error = FromUtf8(std::strerror(errno));
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        return notWritten(std::move(error));
    }
    release();
    // The finished file takes the first free name; link() never replaces an existing file.
    for (int k = 2;; ++k) {
        if (::link(temp.c_str(), target.c_str()) == 0) break;
        const int err = errno;
        if (err != EEXIST) {
            // A file system without hard links: rename onto a name that is free now.
            std::error_code ec;
            if (!std::filesystem::exists(target, ec) && ::rename(temp.c_str(), target.c_str()) == 0)
                break;
            if (!std::filesystem::exists(target, ec) || k >= 10000) {
                std::filesystem::remove(temp, ec);
                return notWritten(FromUtf8(std::strerror(err)));
            }
        }
        target = folder_ / (base + "_" + std::to_string(k) + ".xlsx");
    }
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    SyncFolder(folder_);
    r.file = PathText(target);
    r.kind = shell_.Open(r.file) > 32 ? SpreadsheetResult::Kind::Shown
                                      : SpreadsheetResult::Kind::NotShown;
    return r;
}

}  // namespace zl
