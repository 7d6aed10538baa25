// The three CSV exports: birth-month CSV (1032), bulk-mail CSV (1035), label CSV (1047).
#include <vector>

#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "export/BirthMonthFilter.h"
#include "export/CsvLines.h"
#include "export/ExportSteps.h"
#include "export/HeaderCaptions.h"
#include "platform/CodePage932.h"
#include "platform/FileSystem.h"

namespace zl {
namespace {

// The bytes of one export file, converted from its text in pieces while the text grows, so
// that the whole text never stands in memory beside its bytes.
class ExportFile {
public:
    explicit ExportFile(std::size_t expectedBytes = 0) { bytes_.reserve(expectedBytes); }

    // Lines are appended here, each followed by LineAdded().
    std::u16string& text() { return text_; }
    void LineAdded() {
        if (text_.size() >= kPiece) Convert();
    }

    // Replaces the file as a whole: an existing file is either the old one or the new one.
    bool Write(const std::u16string& path) {
        Convert();
        const bool ok = ReplaceFileAtomically(PathFromText(path), bytes_);
        bytes_.clear();
        return ok;
    }

private:
    // Large enough that the converter's cost per call vanishes, small enough to stay in cache.
    static constexpr std::size_t kPiece = 1 << 16;
    void Convert() {
        AppendToCp932(text_, bytes_);
        text_.clear();
    }
    std::u16string text_;
    std::string bytes_;
};

std::u16string WriteFailedText(const std::u16string& path) {
    return u"CSVファイル『" + path + u"』を書き込めませんでした。\nCSVファイル出力を中止しました。";
}

}  // namespace

void CzorvelDlg::OnBnClickedButtonCsvExport() {
    if (roster_.Count() == 0) {
        ShowMessage(*p.boxes, kNoDataMessage);
        return;
    }
    const std::u16string selector = BirthMonthSelectorText(ui);
    const std::optional<std::u16string> key = BirthMonthKey(selector);
    const std::vector<std::u16string>& lines = roster_.Lines();
    if (!FindBirthMonthData(*p.boxes, lines, selector, key)) return;
    if (!ConfirmExport(ui, *p.boxes, BirthMonthTitle(selector) + u"のCSVファイル出力を行います。"))
        return;
    const std::optional<std::u16string> path =
        p.saveDialog->AskSavePath(CsvSaveRequest(BirthMonthTitle(selector)));
    if (!path) return;

    // Every line is written for "全月": room for all of them at once.
    std::size_t expected = 0;
    if (!key)
        for (const std::u16string& line : lines) expected += 2 * line.size() + 96;
    ExportFile file(expected);
    file.text() = BirthMonthCsvHeader(HeaderCaptions(ui));
    const int n = roster_.Count();
    ui.SetProgressRange(id::kProgress, 0, n - 1);
    ui.SetVisible(id::kProgress, true);
    for (int j = 0; j < n; ++j) {
        const std::u16string& line = lines[static_cast<std::size_t>(j)];
        if (BirthMonthMatches(line, key)) {
            AppendBirthMonthCsvLine(file.text(), line);
            file.LineAdded();
        }
        ui.SetProgressPos(id::kProgress, j);
    }
    ShowMessage(*p.boxes,
                file.Write(*path) ? u"CSVファイル出力を行ないました。" : WriteFailedText(*path));
    ui.SetVisible(id::kProgress, false);
}

void CzorvelDlg::OnBnClickedButtonBulkMailCsv() {
    if (p.boxes->Show(u"リストボックスで選択した行から最終行までのデータ出力を行います。",
                      BoxIcon::Information, BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;
    const int from = ui.ListSelection(id::kMainList);
    if (from < 0 || from >= roster_.Count()) {
        p.boxes->Show(u"リストボックスの行が選択されていません。\n選択してからやり直してください。",
                      BoxIcon::Error, BoxButtons::Ok);
        return;
    }
    const std::optional<std::u16string> path =
        p.saveDialog->AskSavePath(CsvSaveRequest(u"同報メール登録"));
    if (!path) return;
    std::size_t expected = 0;
    for (int i = from; i < roster_.Count(); ++i) expected += 2 * roster_.Line(i).size() + 32;
    ExportFile file(expected);
    file.text() = BulkMailCsvHeader();
    for (int i = from; i < roster_.Count(); ++i) {
        AppendBulkMailCsvLine(file.text(), roster_.Line(i));
        file.LineAdded();
    }
    if (!file.Write(*path)) ShowMessage(*p.boxes, WriteFailedText(*path));
}

void CzorvelDlg::OnBnClickedButtonLabelCsv() {
    if (roster_.Count() == 0) {
        ShowMessage(*p.boxes, kNoDataMessage);
        return;
    }
    const std::u16string selector = BirthMonthSelectorText(ui);
    const std::optional<std::u16string> key = BirthMonthKey(selector);
    const std::vector<std::u16string>& lines = roster_.Lines();
    const int n = roster_.Count();
    std::vector<char> exported(lines.size());
    int valid = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        valid += (exported[i] = LabelExported(lines[i], key)) ? 1 : 0;
    if (valid == 0) {
        ShowMessage(*p.boxes, u"チラシ不要OFF且つハガキ不要OFFで\r誕生月『" + selector +
                                  u"』のデータがありません。");
        return;
    }
    if (!ConfirmExport(ui, *p.boxes, LabelQuestion(n - valid, valid, selector))) return;
    const std::optional<std::u16string> path =
        p.saveDialog->AskSavePath(CsvSaveRequest(u"Labrin" + BirthMonthTitle(selector)));
    if (!path) return;

    // More than one file's worth is split into numbered files; the overwrite question of the
    // dialog concerned only the chosen name.
    const bool split = valid > kLabelRecordsPerFile;
    std::vector<std::u16string> written;
    ExportFile file;
    int inFile = 0;
    auto writeFile = [&](int number) {
        const std::u16string name = split ? LabelSplitFileName(*path, number) : *path;
        if (!file.Write(name)) {
            std::u16string message = WriteFailedText(name);
            if (split) {
                if (written.empty())
                    message += u"\n書き込んだファイルはありません。";
                else
                    message += u"\nそれまでに書き込んだファイル:";
                for (const std::u16string& w : written) message += u"\n" + w;
            }
            ShowMessage(*p.boxes, message);
            ui.SetVisible(id::kProgress, false);
            return false;
        }
        written.push_back(name);
        inFile = 0;
        return true;
    };
    ui.SetProgressRange(id::kProgress, 0, n - 1);
    ui.SetVisible(id::kProgress, true);
    for (int j = 0; j < n; ++j) {
        ui.SetProgressPos(id::kProgress, j);
        if (!exported[static_cast<std::size_t>(j)]) continue;
        AppendLabelRecord(file.text(), lines[static_cast<std::size_t>(j)]);
        file.LineAdded();
        if (++inFile == kLabelRecordsPerFile && !writeFile(j + 1)) return;
    }
    if (inFile > 0 && !writeFile(n)) return;
    ShowMessage(*p.boxes, u"Labrin用CSVファイル出力を行ないました。");
    ui.SetVisible(id::kProgress, false);
}

}  // namespace zl
