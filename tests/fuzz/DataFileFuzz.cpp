// The data file loader on any bytes, in every encoding it recognises. Properties: the lines hold
// no line end; a file that is no text gives no lines; and what the loader took, saved again and
// loaded back, gives the same lines as the code page holds them.
#include "platform/CodePage932.h"
#include "roster/DataFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zl::DecodedRoster first = zl::DecodeDataFile(bytes);
    if (first.status == zl::LoadStatus::NotCp932) {
        FUZZ_CHECK(first.lines.empty());
        return 0;
    }
    std::vector<std::u16string> stored;
    for (const std::u16string& line : first.lines) {
        FUZZ_CHECK(line.find(u'\n') == line.npos);
        stored.push_back(zl::FromCp932(zl::ToCp932(line)));
    }
    const std::string saved = zl::EncodeDataFile(first.lines);
    const zl::DecodedRoster again = zl::DecodeDataFile(saved);
    FUZZ_CHECK(again.status == zl::LoadStatus::Loaded);
    FUZZ_CHECK(again.lines == stored);
    return 0;
}
