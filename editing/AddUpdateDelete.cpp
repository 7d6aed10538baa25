#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::OnBnClickedButtonAdd() {}
void CzorvelDlg::OnBnClickedButtonRevise() {}
void CzorvelDlg::OnBnClickedButtonDelete() {}

}  // namespace zl
