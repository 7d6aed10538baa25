#include "app/CzorvelDlg.h"

#include "app/ControlTable.h"
#include "app/EventTable.h"

namespace zl {

CzorvelDlg::CzorvelDlg(Platform platform, AboutBox* aboutBox)
    : p(platform), ui(*platform.controls), about(aboutBox), log(*platform.clock) {}

void CzorvelDlg::Log(std::u16string_view text) {
    log.SetText(text);
    log.WriteLogLine();
}

// The event wiring: what each control's notification runs, from the event table.
void CzorvelDlg::OnEvent(int cid, UiEvent event) {
    if (EventHandler handler = FindEventHandler(event, cid)) handler(*this, cid);
}

// Enter runs Search or Add depending on the focus; neither Enter nor Escape ever reaches the
// dialog's own handling, so they never press a default button or close the window.
bool CzorvelDlg::PreTranslateKey(Key key) {
    if (key == Key::Enter) {
        if (searchBoxFocused) OnBnClickedButtonSearch();
        if (addButtonFocused) OnBnClickedButtonAdd();
    }
    return true;
}

void CzorvelDlg::OnSystemCommand(int command) {
    if (command == kAboutCommand && about) about->Show();
}

}  // namespace zl
