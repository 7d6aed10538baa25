#include <gtest/gtest.h>

#include "ToolsTestLines.h"
#include "tools/Duplicates.h"

namespace zl {
namespace {

using testing::MakeLine;

TEST(DuplicateNames, FamilyAndGivenNames) {
    struct Case {
        std::u16string name, family, given;
    } cases[] = {
        {u"山田　太郎", u"山田", u"太郎"},
        {u"山田 花子", u"山田 花子", u"花子"},  // the half-width space splits only the given name
        {u"山田", u"山田", u"山田"},
        {u"", u"", u""},
        {u"山田　太郎　次", u"山田", u"太郎　次"},
        {u"山田 太郎　次", u"山田 太郎", u"太郎　次"},
        {u"　太郎", u"", u"太郎"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FamilyName(c.name), c.family);
        EXPECT_EQ(GivenNameForMerge(c.name), c.given);
    }
    EXPECT_EQ(WithFullWidthSpaces(u"a b c"), u"a　b　c");
}

TEST(DuplicatePairs, MatchRules) {
    using C = DuplicateCheck;
    auto line = [](std::u16string_view name, std::u16string_view postal,
                   std::u16string_view address) {
        return MakeLine(1, {.name = name, .postalCode = postal, .address = address});
    };
    struct Case {
        C check;
        std::u16string a, b;
        bool branchNumber, match;
    } cases[] = {
        {C::Name, line(u"山田　太郎", u"", u"x"), line(u"山田　太郎", u"", u"y"), true, true},
        {C::Name, line(u"", u"", u"x"), line(u"", u"", u"y"), true, true},
        {C::Name, line(u"山田　太郎", u"", u""), line(u"山田 太郎", u"", u""), true, false},
        {C::Name, line(u"abc", u"", u""), line(u"ABC", u"", u""), true, false},
        {C::Address, line(u"a", u"100", u"中央1"), line(u"b", u"200", u"中央1"), true, true},
        {C::Address, line(u"a", u"", u""), line(u"b", u"", u""), true, true},
        {C::Address, line(u"a", u"", u"中央1"), line(u"a", u"", u"中央１"), true, false},
        {C::Joint, line(u"山田　太郎", u"", u"中央1-2-3"), line(u"山田　花子", u"", u"中央1-2-3"),
         true, true},
        {C::Joint, line(u"山田　太郎", u"", u"中央町"), line(u"山田　花子", u"", u"中央町"), true,
         false},
        {C::Joint, line(u"山田　太郎", u"", u"中央町"), line(u"山田　花子", u"", u"中央町"), false,
         true},
        {C::Joint, line(u"山田　太郎", u"", u"中央1-2"), line(u"山田 花子", u"", u"中央1-2"), true,
         false},
        {C::Joint, line(u"山田 花子", u"", u"中央1-2"), line(u"山田　太郎", u"", u"中央1-2"), true,
         false},
        {C::Joint, line(u"山田　太郎", u"", u"中央1-2"), line(u"山田　花子", u"", u"中央1-3"), true,
         false},
        {C::Joint, line(u"山田　太郎", u"", u"中央1－2"), line(u"山田　花子", u"", u"中央1－2"),
         true, false},  // only the half-width "-" counts as a branch number
        {C::Joint, line(u"山田", u"", u"1-2"), line(u"山田", u"", u"1-2"), true, true},
    };
    int i = 0;
    for (const Case& c : cases)
        EXPECT_EQ(PairMatches(c.check, c.a, c.b, c.branchNumber), c.match) << i++;
}

TEST(DuplicatePairs, StartLines) {
    using C = DuplicateCheck;
    struct Case {
        C check;
        int count, selected, start;
    } cases[] = {
        {C::Name, 5, -1, 0}, {C::Name, 5, 0, 1},    {C::Name, 5, 3, 4},
        {C::Name, 5, 4, 0},  {C::Address, 2, 0, 1}, {C::Joint, 5, -1, 0},
        {C::Joint, 5, 2, 2}, {C::Joint, 5, 4, 0},   {C::Joint, 2, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DuplicateStartLine(c.check, c.count, c.selected), c.start);
}

std::vector<std::u16string> Roster(std::initializer_list<std::u16string_view> names) {
    std::vector<std::u16string> lines;
    int no = 1;
    for (auto n : names) lines.push_back(MakeLine(no++, {.name = n, .address = u"1-1"}));
    return lines;
}

TEST(DuplicateScan, StepsFromTheStartAndWraps) {
    const auto lines = Roster({u"a", u"a", u"b", u"c", u"c", u"d"});
    struct Case {
        int start, firstA;
    } cases[] = {{0, 0}, {1, 3}, {3, 3}, {4, 0}, {5, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ScanPairs(DuplicateCheck::Name, lines, c.start, true, true).firstA, c.firstA);
    // A two-line list has the one pair (0, 1) whatever the start.
    const auto two = Roster({u"x", u"x"});
    EXPECT_EQ(ScanPairs(DuplicateCheck::Name, two, 1, true, true).firstA, 0);
    EXPECT_EQ(ScanPairs(DuplicateCheck::Name, Roster({u"x", u"y"}), 0, true, true).count, 0);
}

TEST(DuplicateScan, ListReportsAndMessages) {
    // Pairs found from the start line 3: (3,4), then (0,1) after the wrap.
    const auto lines = Roster({u"山田　太郎", u"山田　太郎", u"b", u"c", u"c"});
    const DuplicateScan scan = ScanPairs(DuplicateCheck::Name, lines, 3, false, true);
    EXPECT_EQ(scan.count, 2);
    EXPECT_EQ(scan.lastA, 0);
    EXPECT_EQ(ScanMessage(DuplicateCheck::Name, scan),
              u"No.0004 = No.0005 c\nNo.0001 = No.0002 山田　太郎\n--------------\n重複 2 件");
    EXPECT_EQ(
        ScanMessage(DuplicateCheck::Joint, ScanPairs(DuplicateCheck::Joint, lines, 0, false, true)),
        u"No.0001 = No.0002 山田\nNo.0004 = No.0005 c\n----------------------------\n"
        u"連名統合可能性 2 件");
    EXPECT_EQ(ScanMessage(DuplicateCheck::Address,
                          ScanPairs(DuplicateCheck::Address, lines, 0, false, true)),
              u"No.0001 = No.0002 1-1\nNo.0002 = No.0003 1-1\nNo.0003 = No.0004 1-1\n"
              u"No.0004 = No.0005 1-1\n--------------\n重複 4 件");
    const DuplicateScan none = ScanPairs(DuplicateCheck::Address, Roster({u"a"}), 0, false, true);
    EXPECT_EQ(ScanMessage(DuplicateCheck::Address, none), u"隣行での住所重複はありませんでした。");
    EXPECT_EQ(ScanMessage(DuplicateCheck::Joint, none),
              u"隣行での同姓&住所重複はありませんでした。");
}

TEST(DuplicateScan, ThirtyFivePairsShowThirtyAndTheLast) {
    std::vector<std::u16string> lines;
    for (int i = 0; i < 36; ++i) lines.push_back(MakeLine(i + 1, {.name = u"同"}));
    const DuplicateScan scan = ScanPairs(DuplicateCheck::Name, lines, 0, false, true);
    EXPECT_EQ(scan.count, 35);
    std::u16string expected;
    for (int i = 1; i <= 30; ++i)
        expected += u"No." + ZeroPad(i, 4) + u" = No." + ZeroPad(i + 1, 4) + u" 同\n";
    expected += u"　　|\n　　|\nNo.0035 = No.0036 同\n--------------\n重複 35 件";
    EXPECT_EQ(ScanMessage(DuplicateCheck::Name, scan), expected);

    // Exactly 30 pairs: no "|" lines.
    lines.resize(31);
    const std::u16string thirty =
        ScanMessage(DuplicateCheck::Name, ScanPairs(DuplicateCheck::Name, lines, 0, false, true));
    EXPECT_EQ(thirty.find(u"|"), std::u16string::npos);
    EXPECT_NE(thirty.find(u"重複 30 件"), std::u16string::npos);
}

}  // namespace
}  // namespace zl
