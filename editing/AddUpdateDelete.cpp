#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "editing/FormAccess.h"
#include "platform/CodePage932.h"
#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {

namespace {

constexpr std::u16string_view kTildeReplaced =
    u"使用禁止文字『~』が使用されていましたので、全角『～』に置き換え登録致しました。";

// The line as the data file will hold it, and the message naming the characters that code page
// 932 lacks and that are stored as "?"; empty when there are none.
std::u16string AsStored(std::u16string& line) {
    const std::u16string lacking = CharsCp932Lacks(line);
    if (lacking.empty()) return {};
    line = FromCp932(ToCp932(line));
    std::u16string named;
    for (std::size_t i = 0; i < lacking.size(); ++i) {
        const bool pair = lacking[i] >= 0xD800 && lacking[i] <= 0xDBFF && i + 1 < lacking.size();
        if (!named.empty()) named += u"　";
        named += lacking.substr(i, pair ? 2 : 1);
        if (pair) ++i;
    }
    return u"次の文字は保存できないため、「?」に置き換えて登録しました。\n" + named;
}

bool Confirmed(MessageBoxes& boxes, std::u16string_view text) {
    return ShowMessage(boxes, text, BoxButtons::OkCancel) == BoxAnswer::Ok;
}

}  // namespace

void CzorvelDlg::OnBnClickedButtonAdd() {
    if (!ui.Text(id::kNo).empty() &&
        !Confirmed(*p.boxes, u"呼び出されたデータです。\n更新でなく、追加しますか？"))
        return;

    const int number =
        NumberAfter(roster_.Count() > 0 ? &roster_.Line(roster_.Count() - 1) : nullptr);
    if (number > 9999 && !Confirmed(*p.boxes, u"No.9999を超え、\nNo.が重複しますが追加しますか？"))
        return;
    std::u16string no4 = NoDigits(number);

    DateTime now = p.clock->Now();
    ui.SetPickerValue(id::kRegistered, now);
    std::u16string registered = FormatDateTime(now);
    if (settings.timeStampAdd)
        ui.SetText(id::kRemark3, registered + u"[追加]　" + ui.Text(id::kRemark3));

    int replaced = 0;
    std::u16string line = BuildLine(no4, ReadForm(ui), registered, &replaced);
    const std::u16string lacking = AsStored(line);
    roster_.Append(line);
    Log(u"CzorvelDlg::OnBnClickedButtonAdd() 追加: " + line);

    ui.SetListSelection(id::kMainList, roster_.Count() - 1);
    if (replaced != 0) ShowMessage(*p.boxes, kTildeReplaced);
    if (!lacking.empty()) ShowMessage(*p.boxes, lacking);

    // Ready for the next person: of the same household, or with everything empty.
    if (ui.Text(id::kMap2) == u"Z地図") OnClearHouseNumber();
    if (settings.onlyFirstName && !ui.Checked(id::kNameClearBox))
        OnClearGivenName();
    else
        OnClearName();
    if (settings.addressRemarks3) {
        ui.SetText(id::kPostalCode, u"");
        ui.SetText(id::kAddress, u"");
        ui.SetText(id::kRemark3, u"");
    }

    ui.SetFocus(id::kKana);
    RecomputeTally();
    ui.SetListSelection(id::kMainList, -1);
    EnableUpdateDelete();
    SaveRoster();
    ui.SetFocus(id::kKana);
    savedFormText = FormText();
}

void CzorvelDlg::OnBnClickedButtonRevise() {
    DateTime now = p.clock->Now();
    int index = ui.ListSelection(id::kMainList);
    if (index < 0 || index >= roster_.Count()) return;
    std::u16string oldLine = roster_.Line(index);

    if (ui.Text(id::kNo).empty()) {
        if (!Confirmed(
                *p.boxes,
                u"登録済みデータに新規データを上書きしようとしていますが、\nよろしいですか？"))
            return;
        ui.SetPickerValue(id::kRegistered, now);
    }
    Log(u"CzorvelDlg::OnBnClickedButtonRevise() 更新前: " + oldLine);

    int replaced = 0;
    std::u16string line = oldLine.substr(0, 7);
    line += u',';
    line += BuildFields2To13(ReadForm(ui), &replaced);
    line += u',';
    line += FormatDateTime(ui.PickerValue(id::kRegistered).value_or(now));
    if (settings.timeStampRev)
        ui.SetText(id::kRemark3,
                   FormatDateTime(p.clock->Now()) + u"[更新]　" + ui.Text(id::kRemark3));
    line += u',';
    line += BuildFields15To22(ReadForm(ui), &replaced);
    const std::u16string lacking = AsStored(line);

    roster_.Replace(index, line);
    Log(u"CzorvelDlg::OnBnClickedButtonRevise() 更新後: " + line);

    ui.SetListSelection(id::kMainList, index);
    ui.SetFocus(id::kMainList);
    if (replaced != 0) ShowMessage(*p.boxes, kTildeReplaced);
    if (!lacking.empty()) ShowMessage(*p.boxes, lacking);

    RecomputeTally();
    EnableUpdateDelete();
    SaveRoster();
    savedFormText = FormText();
    OnMainListSelectionChanged();
}

void CzorvelDlg::OnBnClickedButtonDelete() {
    int index = ui.ListSelection(id::kMainList);
    if (index < 0 || index >= roster_.Count()) {
        ShowMessage(*p.boxes,
                    u"リストボックスのラインがが未選択です。\nラインを選択してください。");
        ui.SetFocus(id::kMainList);
        return;
    }
    if (settings.deleteDialog && !Confirmed(*p.boxes, u"削除しますか？")) return;

    Log(u"CzorvelDlg::OnBnClickedButtonDelete() 削除: " + roster_.Line(index));
    roster_.Delete(index);

    ClearForm();
    EnableUpdateDelete();
    SaveRoster();
    RecomputeTally();
    if (index > 0) {
        ui.SetListSelection(id::kMainList, index - 1);
        ui.SetFocus(id::kMainList);
    }
    savedFormText = FormText();
}

}  // namespace zl
