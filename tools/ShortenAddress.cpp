#include "tools/ShortenAddress.h"

#include "platform/TextUtil.h"

namespace zl {

namespace {

// Replaces every occurrence of `from` by "-", then drops one "-" at the very end.
std::u16string DashFor(std::u16string_view text, std::u16string_view from) {
    std::u16string s = ReplaceAll(text, from, u"-");
    if (!s.empty() && s.back() == u'-') s.pop_back();
    return s;
}

}  // namespace

std::u16string ShortenAddress(std::u16string_view address) {
    std::u16string s(address);
    for (std::u16string_view dash : {u"－", u"―", u"‐"}) s = ReplaceAll(s, dash, u"-");
    s = ReplaceAll(s, u"（", u"(");
    s = ReplaceAll(s, u"）", u")");
    for (std::u16string_view sep : {u"・", u"、", u"，"}) s = ReplaceAll(s, sep, u"-");
    s = AsciiDigits(s);
    s = DashFor(s, u"番地");
    s = DashFor(s, u"番");
    constexpr std::u16string_view kKanjiDigits = u"一二三四五六七八九";
    for (std::size_t i = 0; i < kKanjiDigits.size(); ++i) {
        std::u16string from{kKanjiDigits[i]};
        from += u"丁目";
        std::u16string to{static_cast<char16_t>(u'1' + i)};
        to += u"丁目";
        s = ReplaceAll(s, from, to);
    }
    s = DashFor(s, u"丁目");
    // Keep 号室 and 号棟 out of the 号 replacement.
    s = ReplaceAll(s, u"号室", u"goushitsu");
    s = ReplaceAll(s, u"号棟", u"goutou");
    s = DashFor(s, u"号");
    s = ReplaceAll(s, u"goushitsu", u"号室");
    s = ReplaceAll(s, u"goutou", u"号棟");
    return s;
}

}  // namespace zl
