// The settings reader and writer on any file. Property: after a key is written, reading it
// gives the written value, and every other key reads as it did before.
#include <array>

#include "app/ProfileFile.h"
#include "platform/CodePage932.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

constexpr std::array<std::u16string_view, 4> kSections = {u"Window", u"余", u"Log", u"ソ表"};
constexpr std::array<std::u16string_view, 4> kKeys = {u"Title", u"TranscriptionMode", u"能", u"B"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) return 0;
    const std::u16string_view section = kSections[data[0] % kSections.size()];
    const std::u16string_view key = kKeys[(data[0] / 4) % kKeys.size()];
    // The value: printable characters of the code page, no blanks at either end, no quotes
    // around it, short enough for the reader's buffer.
    std::u16string value;
    for (std::size_t i = 2; i < std::min<std::size_t>(size, 2 + data[1] % 40); ++i) {
        const char16_t c = data[i] < 0x80 ? data[i] : static_cast<char16_t>(u'あ' + data[i] % 80);
        if (c >= u'!' && c != u'"' && c != u'\'' && c < 0x7F) value += c;
        if (c >= u'あ') value += c;
    }
    const std::size_t fileStart = std::min<std::size_t>(size, 2 + data[1] % 40);
    const std::string file(reinterpret_cast<const char*>(data) + fileStart, size - fileStart);

    const std::string written = zl::WithProfileValue(file, section, key, value);
    FUZZ_CHECK(zl::ProfileValue(written, section, key, u"<none>") == value);
    for (std::u16string_view s : kSections)
        for (std::u16string_view k : kKeys) {
            if (s == section && k == key) continue;
            FUZZ_CHECK(zl::ProfileValue(written, s, k, u"<none>") ==
                       zl::ProfileValue(file, s, k, u"<none>"));
        }
    return 0;
}
