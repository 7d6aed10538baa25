// The normalisations of typed field values, and the texts derived from them.
#pragma once

#include <string>
#include <string_view>

#include "platform/TextUtil.h"

namespace zl {

// "H P" for a text containing "http", else "File" for one containing "file", else empty.
std::u16string LinkKind(std::u16string_view text);

// Dashes, brackets and the list separators made ASCII, full-width digits made ASCII, spaces
// removed, a hyphen put into seven characters, trimmed and cut to eight characters.
std::u16string NormalisePostalCode(std::u16string_view text);

// The postal code's replacements without "ー" and without removing spaces, then trimmed.
std::u16string NormalisePhone(std::u16string_view text);

// What leaving the e-mail field does with a text holding no link.
struct MailCheck {
    bool rewrite = false;  // write `text` back into the field
    bool setNoMail = false;
    std::u16string text;  // the trimmed text
};
MailCheck CheckMailText(std::u16string_view typed);

// A vote count as typed: only ASCII digits and ",".
bool IsValidVotesText(std::u16string_view text);
// Commas removed and put in again every three digits.
std::u16string FormatVotes(std::u16string_view text);

// The address up to its house number (before the first digit, full-width digits counting).
std::u16string CutHouseNumber(std::u16string_view address);

// The family name of a name or kana: spaces made full-width, everything after the first one cut.
std::u16string CutGivenName(std::u16string_view text);

// The name field's text and selection on entering it, from the name and the kana.
struct NamePrefill {
    std::u16string name;
    int selectFrom = 0, selectTo = 0;
};
NamePrefill PrefillName(std::u16string_view name, std::u16string_view kana);

}  // namespace zl
