#include "platform/DesktopUrl.h"

#include "platform/TextUtil.h"

namespace zl {

namespace {

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Characters that stand in a URL as they are: the unreserved and the reserved ones but "'",
// which command lines take for a quote.
bool Kept(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return std::string_view("-._~:/?[]@!$&()*+,;=").find(static_cast<char>(c)) !=
           std::string_view::npos;
}

}  // namespace

std::string EncodeForDesktop(std::u16string_view target) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string utf8 = ToUtf8(target);
    const bool mail = target.starts_with(u"mailto:");
    bool fragment = false;
    std::string out;
    out.reserve(utf8.size() * 3);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const bool escape =
            c == '%' && i + 2 < utf8.size() && IsHex(utf8[i + 1]) && IsHex(utf8[i + 2]);
        if (escape || Kept(c) || (c == '#' && !mail && !fragment)) {
            if (c == '#') fragment = true;
            out += static_cast<char>(c);
            continue;
        }
        out += '%';
        out += kHex[c >> 4];
        out += kHex[c & 0x0F];
    }
    return out;
}

}  // namespace zl
