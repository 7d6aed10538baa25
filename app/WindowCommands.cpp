#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::OnSearchClear() {}
void CzorvelDlg::OnTranscriptionBoxClicked() {}
void CzorvelDlg::OnNameClearBoxClicked() {}
void CzorvelDlg::OnManual() {}
void CzorvelDlg::OnSponsorLink() {}

}  // namespace zl
