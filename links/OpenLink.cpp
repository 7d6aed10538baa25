#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "links/LinkTargets.h"
#include "platform/TextUtil.h"

namespace zl {

namespace {

constexpr std::u16string_view kNoAddress = u"住所が未入力です。";
constexpr std::u16string_view kNoMailText = u"Eメール、またはホームページアドレスが未入力です。";

// A command that needs a field's text: when the text is empty, says so and puts the focus in
// the field.
bool ReportEmpty(Controls& ui, MessageBoxes& boxes, int field, std::u16string_view text,
                 std::u16string_view message) {
    if (!text.empty()) return false;
    ShowMessage(boxes, message);
    ui.SetFocus(field);
    return true;
}

}  // namespace

// Opens a text (a "mailto:" text whole, any other from its first "http", else its first
// "file") and logs the outcome.
int CzorvelDlg::OpenLink(std::u16string_view target, bool cutBeforeScheme) {
    const std::u16string text = cutBeforeScheme ? CutLinkTarget(target) : std::u16string(target);
    const int result = p.shell->Open(text);
    Log(u"ShellExecute ret = " + ToU16(result) + u" " + text);
    return result;
}

void CzorvelDlg::OnBnClickedButtonMap() {
    const std::u16string address = ui.Text(id::kAddress);
    Log(u"CzorvelDlg::OnBnClickedButtonMap() Google Maps地図表示: " + address);
    if (ReportEmpty(ui, *p.boxes, id::kAddress, address, kNoAddress)) return;
    OpenLink(FirstMapTarget(address));
}

void CzorvelDlg::OnBnClickedButtonMap2() {
    const std::u16string address = ui.Text(id::kAddress);
    Log(u"CzorvelDlg::OnBnClickedButtonMap() Zenrin Maps地図表示: " + address);
    if (ReportEmpty(ui, *p.boxes, id::kAddress, address, kNoAddress)) return;
    // Captioned "H P" or "File", the button opens the link the address field holds.
    OpenLink(ui.Text(id::kMap2) == u"Z地図" ? SecondMapTarget(address) : address);
}

void CzorvelDlg::OnBnClickedButtonMail() {
    const std::u16string mail = ui.Text(id::kMailOrUrl);
    if (ReportEmpty(ui, *p.boxes, id::kMailOrUrl, mail, kNoMailText)) return;
    OpenLink(ui.Text(id::kMail) == u"メール" ? PersonMailTarget(ui.Text(id::kName), mail) : mail);
}

void CzorvelDlg::OnBnClickedButtonRemarkLink(int link) {
    const int remark = link == id::kRemark1Link   ? id::kRemark1
                       : link == id::kRemark2Link ? id::kRemark2
                                                  : id::kRemark3;
    OpenLink(ui.Text(remark));
}

void CzorvelDlg::OpenEntryLinks() {
    if (settings.selectChangeMap && !ui.Text(id::kAddress).empty()) OnBnClickedButtonMap();
    if (settings.selectChangeUrl && !ui.Text(id::kMailOrUrl).empty() &&
        ui.Text(id::kMail) != u"メール")
        OnBnClickedButtonMail();
}

// The line is loaded already. What the selection opened by the "SelectChange" settings is not
// opened again, and the double-click never starts the mailer.
void CzorvelDlg::OnMainListDoubleClicked() {
    const bool map = settings.doubleClickMap && !settings.selectChangeMap;
    const bool url = settings.doubleClickUrl && !settings.selectChangeUrl;
    if (map && !ui.Text(id::kAddress).empty()) {
        if (ui.Text(id::kMap2) == u"Z地図") OnBnClickedButtonMap();
        OnBnClickedButtonMap2();
    }
    if (map && !ui.Text(id::kPhone).empty() && ui.Text(id::kPhoneCopy) != u"コピー")
        CopyPhoneNumber();
    if (url && !ui.Text(id::kMailOrUrl).empty() && ui.Text(id::kMail) != u"メール")
        OnBnClickedButtonMail();
}

}  // namespace zl
