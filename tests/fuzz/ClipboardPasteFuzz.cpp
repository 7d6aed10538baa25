// The entry paste on any clipboard text (code page 932 bytes, as the clipboard gives them).
// Properties: what reaches the form holds no line break or control character and no "~"; an
// accepted text's entry, copied again, pastes back to the same entry.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "links/ClipEntry.h"
#include "platform/CodePage932.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

bool SingleLine(const std::u16string& s) {
    for (char16_t c : s)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

std::vector<const std::u16string*> Texts(const zl::EntryValues& v) {
    return {&v.name,  &v.kana,    &v.postalCode, &v.address, &v.phone,  &v.mailOrUrl, &v.birthText,
            &v.votes, &v.remark1, &v.remark2,    &v.remark3, &v.joint1, &v.joint2,    &v.joint3};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string line = zl::FirstPastedLine(zl::FromCp932(bytes));
    FUZZ_CHECK(SingleLine(line));
    const std::optional<zl::LoadedEntry> entry = zl::ReadClipEntryText(line);
    if (!entry) return 0;
    for (const std::u16string* text : Texts(entry->values)) {
        FUZZ_CHECK(SingleLine(*text));
        if (text != &entry->values.votes) FUZZ_CHECK(text->find(u'~') == std::u16string::npos);
    }
    FUZZ_CHECK(entry->expectationIndex >= 0 && entry->expectationIndex <= 3);

    const std::u16string copied =
        zl::BuildClipEntryText(u"0001", entry->values, entry->registeredText);
    const std::optional<zl::LoadedEntry> again = zl::ReadClipEntryText(copied);
    FUZZ_CHECK(again.has_value());
    const std::vector<const std::u16string*> before = Texts(entry->values);
    const std::vector<const std::u16string*> after = Texts(again->values);
    for (std::size_t i = 0; i < before.size(); ++i) FUZZ_CHECK(*before[i] == *after[i]);
    FUZZ_CHECK(again->values.birthDate == entry->values.birthDate);
    FUZZ_CHECK(again->expectationIndex == entry->expectationIndex);
    FUZZ_CHECK(again->values.noPhone == entry->values.noPhone);
    FUZZ_CHECK(again->values.noMail == entry->values.noMail);
    FUZZ_CHECK(again->values.noFlyer == entry->values.noFlyer);
    FUZZ_CHECK(again->values.noPostcard == entry->values.noPostcard);
    return 0;
}
