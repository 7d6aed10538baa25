#include <gtest/gtest.h>

#include "editing/Birthdate.h"
#include "platform/TextUtil.h"

namespace zl {
namespace {

struct BirthCase {
    const char* typed;
    int year, month, day;  // 0: no date
};

class ParseBirthDateTest : public testing::TestWithParam<BirthCase> {};

TEST_P(ParseBirthDateTest, GivesTheDateOrNone) {
    const BirthCase& c = GetParam();
    std::optional<DateTime> date = ParseBirthDate(CleanBirthText(FromUtf8(c.typed)));
    if (c.year == 0) {
        EXPECT_FALSE(date.has_value()) << c.typed;
    } else {
        ASSERT_TRUE(date.has_value()) << c.typed;
        EXPECT_EQ(date->year, c.year) << c.typed;
        EXPECT_EQ(date->month, c.month) << c.typed;
        EXPECT_EQ(date->day, c.day) << c.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseBirthDateTest,
    testing::Values(
        // Era names and letters, every separator, full-width and lower-case forms.
        BirthCase{"昭和50年1月1日", 1975, 1, 1}, BirthCase{"S50.1.1", 1975, 1, 1},
        BirthCase{"s50/1/1", 1975, 1, 1}, BirthCase{"Ｓ５０・１・１", 1975, 1, 1},
        BirthCase{"S50,1,1", 1975, 1, 1}, BirthCase{"S50／1／1", 1975, 1, 1},
        BirthCase{"S50、1、1", 1975, 1, 1}, BirthCase{"S50，1，1", 1975, 1, 1},
        BirthCase{"ｓ50.12.31", 0, 0, 0},  // a full-width lower-case letter is no era letter
        BirthCase{"H元年5月3日", 1989, 5, 3}, BirthCase{"平成元年5月3日", 1989, 5, 3},
        BirthCase{"R2.10.10", 2020, 10, 10}, BirthCase{"令和2年10月10日", 2020, 10, 10},
        BirthCase{"Ｒ２．１０．１０", 0, 0, 0},  // a full-width dot is no separator
        BirthCase{"M45.7.30", 1912, 7, 30}, BirthCase{"明治45年7月30日", 1912, 7, 30},
        BirthCase{"T1.7.30", 1912, 7, 30}, BirthCase{"大正元年7月30日", 1912, 7, 30},
        BirthCase{"h1.1.8", 1989, 1, 8}, BirthCase{"Ｈ３１・４・３０", 2019, 4, 30},
        BirthCase{"S64.1.7", 1989, 1, 7},
        // Gregorian forms.
        BirthCase{"1975/1/5", 1975, 1, 5}, BirthCase{"1975年1月5日", 1975, 1, 5},
        BirthCase{"1975-01-05", 1975, 1, 5}, BirthCase{"１９７５／１２／２５", 1975, 12, 25},
        BirthCase{"1975/12/5", 1975, 12, 5}, BirthCase{"  1975/1/5\t ", 1975, 1, 5},
        BirthCase{"2000/2/29", 2000, 2, 29},
        // No date.
        BirthCase{"1975-1-5", 0, 0, 0}, BirthCase{"19750105", 0, 0, 0},
        BirthCase{"S50.2.30", 0, 0, 0}, BirthCase{"1975/13/01", 0, 0, 0},
        BirthCase{"1900/2/29", 0, 0, 0}, BirthCase{"", 0, 0, 0}, BirthCase{"不明", 0, 0, 0},
        BirthCase{"S50", 0, 0, 0}, BirthCase{"昭和50年", 0, 0, 0}));

TEST(CleanBirthText, RemovesTabsAndTrims) {
    EXPECT_EQ(CleanBirthText(u"\t S50\t.1.1 　"), u"S50.1.1");
    EXPECT_EQ(CleanBirthText(u"\t"), u"");
}

TEST(AgeText, AroundTheBirthday) {
    DateTime today{2024, 6, 15};
    struct {
        std::optional<DateTime> birth;
        std::u16string_view age;
    } cases[] = {
        {std::nullopt, u""},           {DateTime{2024, 6, 16}, u"? "},  // tomorrow
        {DateTime{2024, 6, 15}, u"0"},                                  // born today
        {DateTime{2023, 6, 15}, u"1"},  // one year ago today: the birthday counts
        {DateTime{2023, 6, 16}, u"0"},  // one year ago tomorrow
        {DateTime{1975, 1, 1}, u"49"}, {DateTime{1975, 12, 31}, u"48"},
    };
    for (const auto& c : cases) EXPECT_EQ(AgeText(c.birth, today), c.age);
}

TEST(FormatBirthText, ReadsBackToTheSameDate) {
    DateTime d{1975, 1, 5};
    EXPECT_EQ(FormatBirthText(d), u"1975.01.05");
    std::optional<DateTime> back = ParseBirthDate(FormatBirthText(d));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, d);
}

}  // namespace
}  // namespace zl
