#include "app/CzorvelDlg.h"

namespace zl {

void CzorvelDlg::LoadRoster() {}
void CzorvelDlg::SaveRoster() {}
bool CzorvelDlg::WriteBackup() { return true; }

}  // namespace zl
