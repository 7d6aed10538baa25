// Finding the next roster line that contains one or two words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zl {

struct SearchWords {
    std::u16string word1;
    std::u16string word2;
};

// The search box's text as the lines hold it: every "," made "~" (a typed comma is stored so),
// then split at the first half-width "&" into word 1 and word 2 (empty when there is none).
SearchWords ParseSearchText(std::u16string_view text);

// True when the whole line contains both words (exact UTF-16 substrings, in any order; an
// empty word is contained in every line).
bool LineMatches(std::u16string_view line, const SearchWords& words);

// The line the first pass begins at: the one after the selected line, or 0 when nothing or the
// last line is selected.
int SearchStartLine(int count, int selected);

// The first matching line from the start line to the end, then from the top up to and
// including the start line; -1 when no line matches.
int FindNextMatch(const std::vector<std::u16string>& lines, int selected, const SearchWords& words);

}  // namespace zl
