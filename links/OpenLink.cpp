#include "app/CzorvelDlg.h"
#include "platform/TextUtil.h"

namespace zl {

// Opens a text from its first "http" (or, without one, its first "file") and logs the result.
int CzorvelDlg::OpenLink(std::u16string_view target, bool cutBeforeScheme) {
    std::u16string text(target);
    if (cutBeforeScheme) {
        std::size_t at = text.find(u"http");
        if (at == std::u16string::npos) at = text.find(u"file");
        if (at != std::u16string::npos) text.erase(0, at);
    }
    const int result = p.shell->Open(text);
    Log(u"ShellExecute ret = " + ToU16(result) + u" " + text);
    return result;
}

void CzorvelDlg::OnMainListDoubleClicked() {}

}  // namespace zl
