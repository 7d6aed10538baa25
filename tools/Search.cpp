#include "tools/Search.h"

#include "platform/TextUtil.h"

namespace zl {

SearchWords ParseSearchText(std::u16string_view text) {
    std::u16string encoded = ReplaceAll(text, u",", u"~");
    SearchWords words;
    std::size_t amp = encoded.find(u'&');
    if (amp == std::u16string::npos) {
        words.word1 = std::move(encoded);
    } else {
        words.word1 = encoded.substr(0, amp);
        words.word2 = encoded.substr(amp + 1);
    }
    return words;
}

bool LineMatches(std::u16string_view line, const SearchWords& words) {
    return line.find(words.word1) != std::u16string_view::npos &&
           line.find(words.word2) != std::u16string_view::npos;
}

int SearchStartLine(int count, int selected) {
    if (selected < 0 || selected >= count - 1) return 0;
    return selected + 1;
}

int FindNextMatch(const std::vector<std::u16string>& lines, int selected,
                  const SearchWords& words) {
    const int count = static_cast<int>(lines.size());
    if (count == 0) return -1;
    const int start = SearchStartLine(count, selected);
    for (int i = start; i < count; ++i)
        if (LineMatches(lines[static_cast<std::size_t>(i)], words)) return i;
    // Wrapped around: the lines above the start line, the selected one last.
    for (int i = 0; i < start; ++i)
        if (LineMatches(lines[static_cast<std::size_t>(i)], words)) return i;
    return -1;
}

}  // namespace zl
