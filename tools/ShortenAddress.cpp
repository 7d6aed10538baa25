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
    // 号 becomes "-", except in 号室 and 号棟 (no stand-in text, which an address could hold).
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool kept = i + 1 < s.size() && (s[i + 1] == u'室' || s[i + 1] == u'棟');
        out += s[i] == u'号' && !kept ? u'-' : s[i];
    }
    if (!out.empty() && out.back() == u'-') out.pop_back();
    return out;
}

}  // namespace zl
