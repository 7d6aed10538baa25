#include "export/BirthMonthFilter.h"

#include "platform/TextUtil.h"

namespace zl {

std::optional<std::u16string> BirthMonthKey(std::u16string_view selectorText) {
    std::u16string text(selectorText);
    // Spaces at both ends: the half-width space before a one-digit month.
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string::npos) return std::u16string();
    text = text.substr(first, text.find_last_not_of(u' ') - first + 1);
    if (text == u"全月") return std::nullopt;
    text = ReplaceAll(text, u"月", u"");
    if (text.size() == 1) text.insert(text.begin(), u'0');
    if (text == u"不明") text = u"  ";
    return text;
}

bool BirthMonthMatches(std::u16string_view line, const std::optional<std::u16string>& key) {
    if (!key) return true;
    std::size_t at = 0;
    for (int commas = 0; commas < 8; ++commas) {
        at = line.find(u',', at);
        if (at == std::u16string_view::npos) return false;
        ++at;
    }
    const std::u16string_view birthDate = line.substr(at);
    return birthDate.size() >= 7 && birthDate.substr(5, 2) == *key;
}

}  // namespace zl
