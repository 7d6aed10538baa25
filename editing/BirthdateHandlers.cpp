#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::OnBirthPickerChanged() {}
void CzorvelDlg::OnBirthPickerFocusIn() {}
void CzorvelDlg::OnBirthPickerFocusOut() {}

}  // namespace zl
