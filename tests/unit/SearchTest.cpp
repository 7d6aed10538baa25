#include <gtest/gtest.h>

#include "platform/TextUtil.h"
#include "tools/Search.h"

namespace zl {
namespace {

TEST(SearchText, SplitsAtFirstHalfWidthAmpersandAfterEncodingCommas) {
    struct Case {
        std::u16string text, word1, word2;
    } cases[] = {
        {u"山田", u"山田", u""},
        {u"山田&東京", u"山田", u"東京"},
        {u"山田&", u"山田", u""},
        {u"&東京", u"", u"東京"},
        {u"&", u"", u""},
        {u"a&b&c", u"a", u"b&c"},
        {u"山田＆東京", u"山田＆東京", u""},
        {u"1,2", u"1~2", u""},
        {u"a,b&c,d", u"a~b", u"c~d"},
        {u"~", u"~", u""},
    };
    for (const Case& c : cases) {
        SearchWords w = ParseSearchText(c.text);
        EXPECT_EQ(w.word1, c.word1);
        EXPECT_EQ(w.word2, c.word2);
    }
}

TEST(SearchText, MatchesExactSubstringsOfTheWholeLine) {
    const std::u16string line = u"No.0007,山田　太郎,やまだ　たろう,100-0001,東京都ABC,OFF,1~2";
    struct Case {
        std::u16string word1, word2;
        bool match;
    } cases[] = {
        {u"山田", u"東京", true},   {u"東京", u"山田", true},   {u"", u"", true},
        {u"No.0007", u"", true},    {u",OFF", u"", true},       {u"1~2", u"", true},
        {u"ＡＢＣ", u"", false},    {u"abc", u"", false},       {u"ヤマダ", u"", false},
        {u"山田", u"大阪", false},  {u"田　太", u"太郎", true}, {u"都ABC,", u"ABC", true},
        {u"山田 太郎", u"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LineMatches(line, {c.word1, c.word2}), c.match) << ToUtf8(c.word1);
}

TEST(SearchText, FindsFromTheLineAfterTheSelectionAndWraps) {
    const std::vector<std::u16string> lines = {u"a x", u"b", u"a y", u"c", u"a z"};
    const SearchWords a{u"a", u""};
    struct Case {
        int selected, found;
    } cases[] = {
        {-1, 0}, {0, 2}, {1, 2}, {2, 4}, {3, 4}, {4, 0},  // last line selected: starts at the top
    };
    for (const Case& c : cases) EXPECT_EQ(FindNextMatch(lines, c.selected, a), c.found);

    // The only match is the selected line itself: found again by the second pass.
    EXPECT_EQ(FindNextMatch(lines, 1, SearchWords{u"b", u""}), 1);
    EXPECT_EQ(FindNextMatch(lines, 3, SearchWords{u"c", u""}), 3);
    EXPECT_EQ(FindNextMatch(lines, 2, SearchWords{u"q", u""}), -1);
    EXPECT_EQ(FindNextMatch({}, -1, SearchWords{u"a", u""}), -1);

    // Both words empty: each search moves to the next line, wrapping after the last.
    int sel = -1;
    std::vector<int> walk;
    for (int i = 0; i < 6; ++i) walk.push_back(sel = FindNextMatch(lines, sel, SearchWords{}));
    EXPECT_EQ(walk, (std::vector<int>{0, 1, 2, 3, 4, 0}));
}

}  // namespace
}  // namespace zl
