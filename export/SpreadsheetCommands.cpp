// The two spreadsheet export commands: read the window, ask, fill the workbook, report.
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "export/BirthMonthFilter.h"
#include "export/ExportSteps.h"
#include "export/HeaderCaptions.h"
#include "export/Workbooks.h"

namespace zl {

namespace {

constexpr std::u16string_view kCannotStart =
    u"Excelが起動出来ませんでした。\nExcelがインストールされているかご確認ください。";
constexpr std::u16string_view kDone = u"Excel Data出力を行ないました。";

// The progress bar 1057 of the window.
class ProgressBar : public ExportProgress {
public:
    explicit ProgressBar(Controls& ui) : ui_(ui) {}
    void Begin(int high) override {
        ui_.SetVisible(id::kProgress, true);
        ui_.SetProgressRange(id::kProgress, 0, high);
    }
    void Step(int position) override { ui_.SetProgressPos(id::kProgress, position); }
    void End() override {
        ui_.SetProgressPos(id::kProgress, 0);
        ui_.SetVisible(id::kProgress, false);
    }

private:
    Controls& ui_;
};

bool StartSpreadsheet(CzorvelDlg& dlg) {
    if (dlg.p.spreadsheet && dlg.p.spreadsheet->Start()) return true;
    ShowMessage(*dlg.p.boxes, kCannotStart);
    return false;
}

// The completion message, or where the workbook went when no program took it, or why it could
// not be kept.
void ReportFinish(CzorvelDlg& dlg, const SpreadsheetResult& result) {
    switch (result.kind) {
        case SpreadsheetResult::Kind::Shown:
            ShowMessage(*dlg.p.boxes, kDone);
            break;
        case SpreadsheetResult::Kind::NotShown:
            ShowMessage(*dlg.p.boxes,
                        std::u16string(kDone) +
                            u"\nブックを開くプログラムが見つかりませんでした。"
                            u"次のファイルを開いてください。\n" +
                            result.file,
                        BoxButtons::Ok, BoxIcon::Information);
            break;
        case SpreadsheetResult::Kind::NotWritten:
            ShowMessage(*dlg.p.boxes, u"ブックを保存出来ませんでした。\n" + result.file +
                                          (result.detail.empty() ? u"" : u"\n" + result.detail));
            break;
    }
}

}  // namespace

void CzorvelDlg::OnBnClickedButtonExcel() {
    if (roster_.Count() == 0) {
        ShowMessage(*p.boxes, kNoDataMessage);
        return;
    }
    const std::u16string selector = BirthMonthSelectorText(ui);
    const std::optional<std::u16string> key = BirthMonthKey(selector);
    if (!FindBirthMonthData(*p.boxes, roster_.Lines(), selector, key)) return;
    if (!ConfirmExport(ui, *p.boxes, BirthMonthTitle(selector) + u"のExcel Data出力を行います。"))
        return;
    if (!StartSpreadsheet(*this)) return;
    ProgressBar progress(ui);
    FillBirthMonthWorkbook(*p.spreadsheet, roster_.Lines(), selector, HeaderCaptions(ui),
                           p.clock->Now(), progress);
    ReportFinish(*this, p.spreadsheet->Finish());
}

void CzorvelDlg::OnBnClickedButtonXls() {
    if (roster_.Count() == 0) {
        ShowMessage(*p.boxes, kNoDataMessage);
        return;
    }
    if (!StartSpreadsheet(*this)) return;
    ProgressBar progress(ui);
    FillExpectationWorkbook(*p.spreadsheet, roster_.Lines(), HeaderCaptions(ui), progress);
    ReportFinish(*this, p.spreadsheet->Finish());
}

}  // namespace zl
