// The search matcher on any line and words. Properties: a line always matches a word taken from
// it (as the search box would hold it), and the next-match search finds that line.
#include "tests/fuzz/FuzzSupport.h"
#include "tools/Search.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 3) return 0;
    const std::u16string line = fuzz::Utf16(data + 2, size - 2);
    const std::size_t from = line.empty() ? 0 : data[0] % (line.size() + 1);
    const std::size_t length = data[1] % 8;
    std::u16string word = line.substr(from, length);
    if (word.find_first_of(u",&") != word.npos) return 0;
    // A stored "~" is a comma the user typed, and is searched for as one.
    for (char16_t& c : word)
        if (c == u'~') c = u',';
    const zl::SearchWords words = zl::ParseSearchText(word);
    FUZZ_CHECK(zl::LineMatches(line, words));
    const std::vector<std::u16string> lines = {u"", line, u"x"};
    const int found = zl::FindNextMatch(lines, -1, words);
    FUZZ_CHECK(found == 1 || (found == 0 && zl::LineMatches(lines[0], words)));
    return 0;
}
