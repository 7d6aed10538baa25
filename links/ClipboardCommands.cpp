#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "editing/FormAccess.h"
#include "links/ClipEntry.h"
#include "links/ClipboardText.h"

namespace zl {

void CzorvelDlg::CopyPhoneNumber() {
    const std::u16string phone = ui.Text(id::kPhone);
    // The phone's leave handler relabels the button when the field holds a link.
    if (ui.Text(id::kPhoneCopy) != u"コピー") {
        OpenLink(phone);
        return;
    }
    if (PutClipboardText(*p.clipboard, *p.boxes, phone)) Log(u"電話番号コピー = " + phone);
}

void CzorvelDlg::OnBnClickedButtonCopyRecord() {
    const EntryValues form = ReadForm(ui);
    const std::u16string* last = roster_.Count() > 0 ? &roster_.Line(roster_.Count() - 1) : nullptr;
    const DateTime now = p.clock->Now();
    ui.SetPickerValue(id::kRegistered, now);
    const std::u16string text =
        BuildClipEntryText(NextEntryNumber(last), form, FormatDateTime(now));
    if (PutClipboardText(*p.clipboard, *p.boxes, text))
        Log(u"CzorvelDlg::OnBnClickedButtonCopyRecord() レコードをクリップボードコピー: " + text);
}

// Fills the form only: no line is selected, and the form counts as changed with an empty No,
// so the next selection or the closing asks whether to add it.
void CzorvelDlg::OnBnClickedButtonPasteRecord() {
    const std::optional<std::u16string> taken = TakeClipboardText(*p.clipboard, *p.boxes);
    if (!taken) return;
    const std::u16string text = FirstPastedLine(*taken);
    Log(u"CzorvelDlg::OnBnClickedButtonPasteRecord() レコードをクリップボードペースト: " + text);
    const std::optional<LoadedEntry> entry = ReadClipEntryText(text);
    if (!entry) {
        ShowMessage(*p.boxes,
                    u"クリップボードに適正なデータがコピーされていません。\r"
                    u"Rコピーボタンよりコピーしてください。");
        return;
    }
    ui.SetText(id::kNo, u"");
    ShowEntry(*entry);
    RunLinkLeaveHandlers();
    OpenEntryLinks();
}

}  // namespace zl
