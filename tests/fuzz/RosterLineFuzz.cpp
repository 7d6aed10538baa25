// The roster line reader on any line. Properties: every field slice lies in the line and holds
// the field's text; a line read into the form and built again has 22 fields and reads back to
// the same line.
#include "roster/RosterLine.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

std::u16string Rebuild(std::u16string_view line) {
    const zl::LoadedEntry e = zl::ReadLine(line);
    return zl::BuildLine(e.no, e.values, e.registeredText, nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::u16string line = fuzz::Utf16(data, size);
    for (int n = 1; n <= zl::kFieldCount; ++n) {
        const zl::FieldSlice f = zl::GetField(n, line);
        FUZZ_CHECK(f.start + f.length <= line.size());
        FUZZ_CHECK(line.substr(f.start, f.length) == f.text);
        FUZZ_CHECK(f.text.find(u',') == f.text.npos);
    }
    // A line whose No field is whole reads back, once built, to the line built again.
    if (line.size() < 8 || line[7] != u',' || line.substr(0, 7).find_first_of(u",\n") != line.npos)
        return 0;
    const std::u16string once = Rebuild(line);
    FUZZ_CHECK(once.substr(0, 3) == u"No." && once.substr(3, 5) == line.substr(3, 5));
    FUZZ_CHECK(Rebuild(once) == once);
    return 0;
}
