#include "editing/FieldNormalisation.h"

#include "platform/CodePage932.h"
#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {

namespace {

constexpr std::u16string_view kWideSpace = u"　";

// The replacements shared by the postal code and the phone number.
std::u16string AsciiPunctuation(std::u16string_view text, bool longVowelIsDash) {
    std::u16string s(text);
    for (std::u16string_view dash : {u"－", u"―", u"‐"}) s = ReplaceAll(s, dash, u"-");
    if (longVowelIsDash) s = ReplaceAll(s, u"ー", u"-");
    s = ReplaceAll(s, u"（", u"(");
    s = ReplaceAll(s, u"）", u")");
    for (std::u16string_view sep : {u"・", u"、", u"，"}) s = ReplaceAll(s, sep, u"-");
    return AsciiDigits(s);
}

}  // namespace

std::u16string LinkKind(std::u16string_view text) {
    if (Contains(text, u"http")) return u"H P";
    if (Contains(text, u"file")) return u"File";
    return {};
}

std::u16string NormalisePostalCode(std::u16string_view text) {
    std::u16string s = AsciiPunctuation(text, true);
    s = ReplaceAll(ReplaceAll(s, kWideSpace, u""), u" ", u"");
    if (s.size() == 7) s = s.substr(0, 3) + u"-" + s.substr(3);
    std::u16string trimmed(Trim(s));
    return trimmed.substr(0, 8);
}

std::u16string NormalisePhone(std::u16string_view text) {
    return std::u16string(Trim(AsciiPunctuation(text, false)));
}

MailCheck CheckMailText(std::u16string_view typed) {
    MailCheck check;
    check.text = std::u16string(Trim(typed));
    if (check.text.empty()) return check;
    bool singleByte = Cp932Length(check.text) == check.text.size();
    if (Contains(check.text, u"@") && Contains(check.text, u".") && singleByte) return check;
    check.rewrite = true;
    check.setNoMail = true;
    return check;
}

bool IsValidVotesText(std::u16string_view text) {
    for (char16_t c : text)
        if (!((c >= u'0' && c <= u'9') || c == u',')) return false;
    return true;
}

std::u16string FormatVotes(std::u16string_view text) {
    return FormatThousands(ReplaceAll(text, u",", u""));
}

std::u16string CutHouseNumber(std::u16string_view address) {
    std::u16string s = AsciiDigits(address);
    std::size_t digit = s.find_first_of(u"0123456789");
    if (digit == s.npos) return s.substr(0, 100);
    return s.substr(0, digit);
}

std::u16string CutGivenName(std::u16string_view text) {
    std::u16string s = ReplaceAll(text, u" ", kWideSpace);
    std::size_t space = s.find(kWideSpace);
    if (space != s.npos) s.erase(space + 1);
    return s;
}

NamePrefill PrefillName(std::u16string_view name, std::u16string_view kana) {
    NamePrefill r;
    bool wasEmpty = name.empty();
    std::size_t kanaSpace = kana.find(kWideSpace);
    if (wasEmpty) {
        r.name = std::u16string(kana);
    } else {
        r.name = std::u16string(name);
        if (kanaSpace != kana.npos && r.name.ends_with(kWideSpace))
            r.name += kana.substr(kanaSpace + 1);
    }
    std::size_t nameSpace = r.name.find(kWideSpace);
    int length = static_cast<int>(r.name.size());
    if (nameSpace == r.name.npos) {
        r.selectFrom = 0;
        r.selectTo = length;
    } else if (kanaSpace != kana.npos && !wasEmpty) {
        r.selectFrom = static_cast<int>(nameSpace) + 1;
        r.selectTo = length;
    } else {
        r.selectFrom = 0;
        r.selectTo = static_cast<int>(nameSpace);
    }
    return r;
}

}  // namespace zl
