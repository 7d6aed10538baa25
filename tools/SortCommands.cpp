#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::OnSortCloseUp() {}
void CzorvelDlg::OnBnClickedButtonSort() {}

}  // namespace zl
