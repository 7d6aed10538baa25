#include <gtest/gtest.h>

#include "editing/Tally.h"

namespace zl {
namespace {

// A line with the given expectation and votes as fields 15 and 16.
std::u16string Line(std::u16string_view expectation, std::u16string_view votes) {
    std::u16string line = u"No.0001";
    for (int f = 2; f <= 14; ++f) line += u",x";
    line += u",";
    line += expectation;
    line += u",";
    line += votes;
    for (int f = 17; f <= 22; ++f) line += u",";
    return line;
}

TEST(TallyTotal, WeightsAndRounding) {
    struct {
        std::vector<std::u16string> lines;
        long long total;
    } cases[] = {
        {{}, 0},
        {{Line(u"○", u"3"), Line(u"△", u"1")}, 3},  // 3.5, the half vote dropped
        {{Line(u"△", u"1")}, 0},
        {{Line(u"△", u"1"), Line(u"△", u"1")}, 1},
        {{Line(u"×", u"50"), Line(u"不明", u"50"), Line(u"", u"50")}, 0},
        {{Line(u"○", u"")}, 0},
        {{Line(u"○", u"12abc"), Line(u"○", u"abc")}, 12},  // leading digits count
        {{Line(u"○", u"1000"), Line(u"△", u"469")}, 1234},
        {{Line(u"○", u"2000000000"), Line(u"○", u"2000000000")}, 4000000000LL},
    };
    for (const auto& c : cases) EXPECT_EQ(TallyTotal(c.lines), c.total);
}

TEST(TallyTotal, ShortLineCountsNothing) { EXPECT_EQ(TallyTotal({u"No.0001,山田"}), 0); }

TEST(FormatTally, Separators) {
    EXPECT_EQ(FormatTally(0), u"0");
    EXPECT_EQ(FormatTally(999), u"999");
    EXPECT_EQ(FormatTally(1234), u"1,234");
    EXPECT_EQ(FormatTally(1234567), u"1,234,567");
    EXPECT_EQ(FormatTally(-123), u"-123");
    EXPECT_EQ(FormatTally(-1234), u"-1,234");
}

}  // namespace
}  // namespace zl
