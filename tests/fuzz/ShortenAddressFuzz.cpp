// Address shortening on any text. Properties: the long forms it replaces are gone, and it never
// makes a character it replaces out of text that did not hold it.
#include <algorithm>

#include "tests/fuzz/FuzzSupport.h"
#include "tools/ShortenAddress.h"

namespace {

std::size_t Count(std::u16string_view text, std::u16string_view part) {
    std::size_t n = 0;
    for (std::size_t pos = text.find(part); pos != text.npos; pos = text.find(part, pos + 1)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::u16string address = fuzz::Utf16(data, size);
    const std::u16string s = zl::ShortenAddress(address);
    for (std::u16string_view gone : {u"－", u"―", u"‐", u"（", u"）", u"・", u"、", u"，", u"番"})
        FUZZ_CHECK(s.find(gone) == s.npos);
    FUZZ_CHECK(
        std::none_of(s.begin(), s.end(), [](char16_t c) { return c >= u'０' && c <= u'９'; }));
    for (std::u16string_view kept : {u"号", u"丁目", u"号室", u"号棟"})
        FUZZ_CHECK(Count(s, kept) <= Count(address, kept));
    FUZZ_CHECK(s.size() <= address.size());
    return 0;
}
