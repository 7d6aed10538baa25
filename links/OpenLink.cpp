#include "app/CzorvelDlg.h"

namespace zl {

int CzorvelDlg::OpenLink(std::u16string_view, bool) { return 2; }
void CzorvelDlg::OnMainListDoubleClicked() {}

}  // namespace zl
