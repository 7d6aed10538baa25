#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::RecomputeTally() {}
void CzorvelDlg::OnBnClickedButtonReset() {}
void CzorvelDlg::OnBnClickedButtonSetCircleOne() {}

}  // namespace zl
