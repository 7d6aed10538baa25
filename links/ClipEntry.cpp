#include "links/ClipEntry.h"

#include <algorithm>

#include "platform/TextUtil.h"

namespace zl {

namespace {

// A typed "," becomes "~"; unlike a line that Add builds, a typed "~" is kept.
std::u16string CommaToTilde(std::u16string_view text) {
    std::u16string out(text);
    std::replace(out.begin(), out.end(), u',', u'~');
    return out;
}

}  // namespace

std::u16string NextEntryNumber(const std::u16string* lastLine) {
    return NoDigits(NumberAfter(lastLine));
}

std::u16string BuildClipEntryText(std::u16string_view no4, const EntryValues& v,
                                  std::u16string_view registered) {
    std::u16string text = u"No.";
    text += no4;
    for (const std::u16string* s :
         {&v.name, &v.kana, &v.postalCode, &v.address, &v.phone, &v.mailOrUrl, &v.birthText}) {
        text += u',';
        text += CommaToTilde(*s);
    }
    text += u',';
    text += v.birthDate ? FormatDate(*v.birthDate) : std::u16string(kNoBirthDate);
    for (bool flag : {v.noPhone, v.noMail, v.noFlyer, v.noPostcard})
        text += flag ? u",ON" : u",OFF";
    text += u',';
    text += registered;
    text += u',';
    text += CommaToTilde(v.expectation);
    text += u',';
    for (char16_t c : v.votes)
        if (c != u',') text += c;
    for (const std::u16string* s :
         {&v.remark1, &v.remark2, &v.remark3, &v.joint1, &v.joint2, &v.joint3}) {
        text += u',';
        text += CommaToTilde(*s);
    }
    return text;
}

std::u16string FirstPastedLine(std::u16string_view text) {
    std::u16string line;
    for (char16_t c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0') break;
        if (c < 0x20 || c == 0x7F) continue;
        line += c;
    }
    return line;
}

std::optional<LoadedEntry> ReadClipEntryText(std::u16string_view text) {
    if (std::count(text.begin(), text.end(), u',') < kClipEntryMinCommas) return std::nullopt;
    return ReadLine(text);
}

}  // namespace zl
