#include <gtest/gtest.h>

#include "export/BirthMonthFilter.h"
#include "export/HeaderCaptions.h"

namespace zl {
namespace {

TEST(BirthMonthFilter, KeyOfEverySelectorItem) {
    EXPECT_EQ(BirthMonthKey(u"全月"), std::nullopt);
    const char16_t* items[] = {u" 1月", u" 2月", u" 3月", u" 4月", u" 5月", u" 6月",
                               u" 7月", u" 8月", u" 9月", u"10月", u"11月", u"12月"};
    const char16_t* keys[] = {u"01", u"02", u"03", u"04", u"05", u"06",
                              u"07", u"08", u"09", u"10", u"11", u"12"};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(BirthMonthKey(items[i]), std::u16string(keys[i]));
    EXPECT_EQ(BirthMonthKey(u"不明"), std::u16string(u"  "));
}

TEST(BirthMonthFilter, EntryTestReadsTheMonthOfBirthDate) {
    const std::u16string head = u"No.0001,山田,やまだ,,,,,S50.1.5,";
    struct Case {
        std::u16string birthDate;
        const char16_t* selector;
        bool matches;
    } cases[] = {
        {u"1975/01/05", u" 1月", true},  {u"1975/10/01", u" 1月", false},
        {u"1975/11/01", u" 1月", false}, {u"1975/10/01", u"10月", true},
        {u"    /  /  ", u"不明", true},  {u"1975/01/05", u"不明", false},
        {u"    /  /  ", u" 5月", false}, {u"    /  /  ", u"全月", true},
        {u"1975/12/31", u"12月", true},
    };
    for (const Case& c : cases) {
        const std::u16string line = head + c.birthDate + u",OFF,OFF,OFF,OFF";
        EXPECT_EQ(BirthMonthMatches(line, BirthMonthKey(c.selector)), c.matches)
            << std::string(c.birthDate.begin(), c.birthDate.end());
    }
}

TEST(BirthMonthFilter, ShortLinesMatchOnlyEveryMonth) {
    EXPECT_FALSE(BirthMonthMatches(u"No.0001,山田", BirthMonthKey(u" 1月")));
    EXPECT_FALSE(BirthMonthMatches(u"No.0001,,,,,,,,1975/", BirthMonthKey(u" 1月")));
    EXPECT_TRUE(BirthMonthMatches(u"", BirthMonthKey(u"全月")));
}

// Every occurrence of each decoration goes, also inside the configured value.
TEST(HeaderCaptions, DecorationsRemoved) {
    EXPECT_EQ(StripCaption(u"【 期待度 本人含む人数 】", true), u"本人含む人数");
    EXPECT_EQ(StripCaption(u"【 期待度 期待度 a 】", true), u"a");
    EXPECT_EQ(StripCaption(u"【 期待度 備考 】", false), u"期待度 備考");
    EXPECT_EQ(StripCaption(u"【 a~b,c 】", false), u"a~b,c");
    EXPECT_EQ(StripCaption(u"【 【 x 】 】", false), u"x");
}

}  // namespace
}  // namespace zl
