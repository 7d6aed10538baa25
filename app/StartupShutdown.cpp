#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::OnInitDialog() {}

bool CzorvelDlg::OnCloseRequest() { return true; }

}  // namespace zl
