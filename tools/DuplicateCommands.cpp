#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::OnBnClickedButtonNameDuplicates() {}
void CzorvelDlg::OnBnClickedButtonAddressDuplicates() {}
void CzorvelDlg::OnBnClickedButtonJointMerge() {}

}  // namespace zl
