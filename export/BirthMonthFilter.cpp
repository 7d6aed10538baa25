#include "export/BirthMonthFilter.h"

#include "export/Utf16Scan.h"
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

bool BirthDateMonthIs(std::u16string_view birthDate, std::u16string_view key) {
    return birthDate.size() >= 7 && birthDate.substr(5, 2) == key;
}

bool BirthMonthMatches(std::u16string_view line, const std::optional<std::u16string>& key) {
    if (!key) return true;
    const std::size_t at = scan::AfterCommas(line, 0, 8);
    return at != std::u16string_view::npos && BirthDateMonthIs(line.substr(at), *key);
}

}  // namespace zl
