#include "app/CzorvelDlg.h"

namespace zl {

std::u16string CzorvelDlg::FormText() const { return {}; }
void CzorvelDlg::OnMainListSelectionChanged() {}
void CzorvelDlg::EnableUpdateDelete() {}
void CzorvelDlg::ClearForm() {}
void CzorvelDlg::OnClearName() {}
void CzorvelDlg::OnClearAddress() {}
void CzorvelDlg::OnClearHouseNumber() {}
void CzorvelDlg::OnClearGivenName() {}

}  // namespace zl
