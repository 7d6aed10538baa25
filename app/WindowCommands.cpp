#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "platform/FileSystem.h"

namespace zl {

namespace {

const std::u16string_view kTranscriptionMessage =
    u"選挙人名簿転記入力モードでは、\n１．【 なまえ(ふりがな) 】欄\n２．【 名前 】欄\n３．【 住所 "
    u"】欄\n"
    u"４．【 誕生日 】欄\n５．追加ボタン\nのタブオーダーとなります。追加ボタン押下後は、１．【 "
    u"なまえ(ふりがな) "
    u"】欄に戻ります。\n【 住所 "
    u"】欄にカーソルがある場合は、他のボタン等をクリックしても、もう一度クリックしないと"
    u"有効となりません。\n選挙人名簿転記入力を行わない場合は、チェックを外してください。";

}  // namespace

void CzorvelDlg::OnSearchClear() {
    ui.SetText(id::kSearchText, u"");
    ui.SetFocus(id::kSearchText);
}

void CzorvelDlg::OnTranscriptionBoxClicked() {
    const bool on = ui.Checked(id::kTranscriptionBox);
    if (on) ShowMessage(*p.boxes, kTranscriptionMessage);
    WriteTranscriptionMode(paths.settingsFile, on);
}

void CzorvelDlg::OnNameClearBoxClicked() {
    WriteNameClear(paths.settingsFile, ui.Checked(id::kNameClearBox));
}

// The manual's own path is opened as it is: a program folder whose name holds "http" or
// "file" must not lose the front of its path.
void CzorvelDlg::OnManual() { OpenLink(PathText(paths.manual), false); }

void CzorvelDlg::OnSponsorLink() { p.shell->Open(ui.Text(id::kSponsor)); }

}  // namespace zl
