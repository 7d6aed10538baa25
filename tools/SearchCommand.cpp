#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::OnBnClickedButtonSearch() {}

}  // namespace zl
