#include "links/LinkTargets.h"

namespace zl {

std::u16string FirstMapTarget(std::u16string_view address) {
    std::u16string t(kFirstMapHost);
    t += u"/maps/search/";
    t += address;
    return t;
}

std::u16string SecondMapTarget(std::u16string_view address) {
    std::u16string t(kSecondMapHost);
    t += u"/map/#freeword,,";
    t += address;
    return t;
}

std::u16string PersonMailTarget(std::u16string_view name, std::u16string_view mail) {
    std::u16string t = u"mailto:";
    t += name;
    t += u"　様<";
    t += mail;
    t += u'>';
    return t;
}

std::u16string CutLinkTarget(std::u16string_view text) {
    // A mail's recipients or body may hold "http" or "file" ("profile@example.com"); cutting
    // there would turn the mail into a broken link.
    if (text.starts_with(u"mailto:")) return std::u16string(text);
    std::size_t at = text.find(u"http");
    if (at == std::u16string_view::npos) at = text.find(u"file");
    if (at == std::u16string_view::npos) at = 0;
    return std::u16string(text.substr(at));
}

}  // namespace zl
