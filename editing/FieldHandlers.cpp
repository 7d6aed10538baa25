#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::OnFieldFocusIn(int) {}
void CzorvelDlg::OnFieldFocusOut(int) {}

}  // namespace zl
