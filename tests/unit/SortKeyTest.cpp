#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "ToolsTestLines.h"
#include "platform/CodePage932.h"
#include "platform/TextUtil.h"
#include "tools/SortKey.h"

namespace zl {
namespace {

using testing::LineParts;
using testing::MakeLine;

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

TEST(SortKey, PrefixIsAlways160Bytes) {
    const std::string yamada = ToCp932(u"山田");
    const std::string kanji = ToCp932(u"山");
    struct Case {
        std::u16string joined;
        std::string bytes;
    } cases[] = {
        {u"", Repeat(' ', 160)},
        {u"山田", yamada + Repeat(' ', 156)},
        {u"ｱｲ", ToCp932(u"ｱｲ") + Repeat(' ', 158)},  // half-width kana: one byte each
        {std::u16string(200, u'a'), Repeat('a', 160)},
        {std::u16string(160, u'a'), Repeat('a', 160)},
        // A double-byte character ending exactly at the boundary stays ...
        {std::u16string(158, u'a') + u"山", Repeat('a', 158) + kanji},
        // ... one that would straddle it is dropped and its byte padded.
        {std::u16string(159, u'a') + u"山", Repeat('a', 159) + " "},
        {std::u16string(159, u'a') + u"山田", Repeat('a', 159) + " "},
        {std::u16string(79, u'山') + u"aa", ToCp932(std::u16string(79, u'山')) + "aa"},
        {std::u16string(81, u'山'), ToCp932(std::u16string(80, u'山'))},
        // A character the code page lacks counts as its one-byte "?".
        {u"\U0001F600x", "?x" + Repeat(' ', 158)},
    };
    for (const Case& c : cases) {
        const std::string got = FixedWidthKeyBytes(c.joined);
        EXPECT_EQ(got.size(), 160u);
        EXPECT_EQ(got, c.bytes) << ToUtf8(c.joined);
    }
}

TEST(SortKey, JoinsTheItemsFieldsThenAppendsTheLine) {
    const std::u16string line = MakeLine(3, {.name = u"山田　太郎",
                                             .kana = u"やまだ　たろう",
                                             .postalCode = u"100-0001",
                                             .address = u"東京都千代田区",
                                             .birthDate = u"1980/02/03",
                                             .registered = u"2024/05/06 07:08:09",
                                             .joint1 = u"花子"});
    struct Case {
        int item;
        std::u16string joined;
    } cases[] = {
        {0, u"山田　太郎"},           {1, u"やまだ　たろう"}, {2, u"100-0001東京都千代田区"},
        {3, u"1980/02/03"},           {4, u"花子"},           {5, u""},
        {10, u"2024/05/06 07:08:09"},
    };
    for (const Case& c : cases) {
        const std::u16string key = SortKeyString(line, SortKeyFields(c.item));
        EXPECT_EQ(key, FromCp932(FixedWidthKeyBytes(c.joined)) + line) << c.item;
        EXPECT_EQ(Cp932Length(SortKeyPrefix(line, SortKeyFields(c.item))), 160u);
    }
    EXPECT_TRUE(SortKeyFields(kSortItemNone).empty());
    EXPECT_TRUE(SortKeyFields(kSortItemShorten).empty());
}

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(SortCollation, OrdersJapaneseKeysIgnoringCaseWithSpacesFirst) {
    const SortCollator coll;
    auto key = [](std::u16string_view s) { return FromCp932(FixedWidthKeyBytes(s)); };
    struct Case {
        std::u16string a, b;
        int order;
    } cases[] = {
        {u"山田", u"山田太郎", -1},  // the padding space sorts below every character
        {u"", u"あ", -1},
        {u"", u"0", -1},
        {u"", u"-", -1},
        {u"", u"~", -1},
        {u"", u"!", -1},
        {u"a b", u"a!", -1},
        {u"abc", u"ABC", 0},
        // Width is a tertiary difference, but a full-width text takes more of the 160 bytes
        // and so has fewer padding spaces.
        {u"ａｂｃ", u"abc", -1},
        {u"あ", u"い", -1},
        {u"か", u"が", -1},
        {u"は", u"ぱ", -1},
        {u"あいう", u"アイウ", 0},
        {u"かとう", u"さとう", -1},
        {u"1", u"2", -1},
        {u"9", u"あ", -1},
        {u"Z", u"あ", -1},
        {u"あ", u"亜", -1},
        {u"100-0001東京", u"100-0002大阪", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sign(coll.Compare(key(c.a), key(c.b))), c.order)
            << ToUtf8(c.a) << " / " << ToUtf8(c.b);

    // Sort keys order exactly as the comparison does.
    std::vector<std::u16string> texts;
    for (const Case& c : cases) {
        texts.push_back(key(c.a) + u"No.0001");
        texts.push_back(key(c.b) + u"No.0002");
    }
    for (const auto& a : texts)
        for (const auto& b : texts) {
            std::string ka, kb;
            coll.AppendSortKey(a, ka);
            coll.AppendSortKey(b, kb);
            EXPECT_EQ(Sign(std::strcmp(ka.c_str(), kb.c_str())), Sign(coll.Compare(a, b)));
        }
}

TEST(SortRoster, RenumbersWithWrapAfter9999) {
    struct Case {
        std::u16string line;
        int position;
        std::u16string result;
    } cases[] = {
        {u"No.0042,a,b", 1, u"No.0001,a,b"},
        {u"No.0001,a", 9999, u"No.9999,a"},
        {u"No.0001,a", 10000, u"No.0000,a"},
        {u"No.0001,a", 10001, u"No.0001,a"},
        {u"No.0001,a", 20012, u"No.0012,a"},
        // A No field of another length is replaced whole, the rest of the line kept.
        {u"No.12345,a", 3, u"No.0003,a"},
        {u"No.1,a", 3, u"No.0003,a"},
    };
    for (const Case& c : cases) EXPECT_EQ(RenumberLine(c.line, c.position), c.result);
}

std::vector<std::u16string> Names(const std::vector<std::u16string>& lines) {
    std::vector<std::u16string> out;
    for (const auto& l : lines)
        out.push_back(l.substr(0, 7) + u" " + GetField(RosterField::Name, l).text);
    return out;
}

TEST(SortRoster, ByNameKeepsOldOrderForEqualKeys) {
    const std::vector<std::u16string> lines = {
        MakeLine(1, {.name = u"山田太郎"}), MakeLine(2, {.name = u"佐藤"}),
        MakeLine(3, {.name = u"山田"}),     MakeLine(4, {.name = u""}),
        MakeLine(5, {.name = u"佐藤"}),     MakeLine(6, {.name = u"abc"}),
        MakeLine(7, {.name = u"ABC"}),      MakeLine(8, {.name = u"Abc"}),
    };
    const std::vector<std::u16string> sorted = SortRosterLines(lines, 0);
    // Old numbers are gone; the names show the order: empty first, abc/ABC/Abc in their old
    // order, 佐藤 before 山田 (by reading of the ja collation: さ before や), 山田 before 山田太郎.
    EXPECT_EQ(Names(sorted),
              (std::vector<std::u16string>{u"No.0001 ", u"No.0002 abc", u"No.0003 ABC",
                                           u"No.0004 Abc", u"No.0005 佐藤", u"No.0006 佐藤",
                                           u"No.0007 山田", u"No.0008 山田太郎"}));
    // The rest of each line is kept: 佐藤 No.2 stays before 佐藤 No.5.
    EXPECT_EQ(sorted[4].substr(7), lines[1].substr(7));
}

TEST(SortRoster, ByPostalCodeAndAddressJoined) {
    const std::vector<std::u16string> lines = {
        MakeLine(1, {.name = u"a", .postalCode = u"200-0001", .address = u"あ"}),
        MakeLine(2, {.name = u"b", .postalCode = u"100-0001", .address = u"う"}),
        MakeLine(3, {.name = u"c", .postalCode = u"", .address = u"い"}),
        MakeLine(4, {.name = u"d", .postalCode = u"100-0001", .address = u"い"}),
    };
    EXPECT_EQ(
        Names(SortRosterLines(lines, 2)),
        (std::vector<std::u16string>{u"No.0001 d", u"No.0002 b", u"No.0003 a", u"No.0004 c"}));
}

TEST(SortRoster, EqualsAStableSortOnWholeKeyStrings) {
    // Secondary differences in the key (は/ば) lose against primary ones in the rest of the line:
    // the whole key string decides, as the collator compares it.
    std::vector<std::u16string> lines;
    const std::u16string_view names[] = {u"はし",     u"ばし",   u"ハシ",  u"はじ",
                                         u"橋",       u"はし",   u"Hashi", u"hashi",
                                         u"はしもと", u"　はし", u"は し"};
    int no = 9;
    for (auto n : names) lines.push_back(MakeLine(no--, {.name = n, .kana = n}));
    const SortCollator coll;
    for (int item : {0, 1, 2, 10}) {
        std::vector<std::u16string> expected = lines;
        const auto fields = SortKeyFields(item);
        std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
            return coll.Compare(SortKeyString(a, fields), SortKeyString(b, fields)) < 0;
        });
        for (std::size_t i = 0; i < expected.size(); ++i)
            expected[i] = RenumberLine(expected[i], static_cast<int>(i) + 1);
        EXPECT_EQ(SortRosterLines(lines, item), expected) << item;
    }
}

// Lines whose keys tie in their first characters and differ only in what the collator weighs
// late: voicing marks, small kana, long vowels, kana kinds, widths, case, and neighbours that
// differ at the very end of the line.
std::vector<std::u16string> TrickyLines(int count) {
    const std::u16string_view names[] = {
        u"がとう",
        u"かとう",
        u"カトウ",
        u"ｶﾄｳ",
        u"かとお",
        u"かとー",
        u"がどう",
        u"かどう",
        u"かっとう",
        u"かつとう",
        u"はは",
        u"はば",
        u"ばは",
        u"ぱは",
        u"ハハ",
        u"加藤",
        u"加藤　太郎",
        u"加藤 太郎",
        u"加藤　たろう",
        u"",
        u"　",
        u"Kato",
        u"kato",
        u"ｋａｔｏ",
        u"かとうかとうかとうかとうかとう",
        u"かとうかとうかとうかとうがとう",
        u"か\u3099とう"};  // a combining voicing mark, which the collator normalises
    const std::u16string_view codes[] = {u"100-0001", u"100-0002", u"１００－０００１",
                                         u"1000001",  u"",         u"100ｰ0001"};
    const std::u16string_view addresses[] = {u"東京都千代田区丸の内一丁目2番3号",
                                             u"東京都千代田区丸の内1-2-3",
                                             u"東京都千代田区丸の内１－２－３",
                                             u"東京都千代田区丸ノ内1-2-3",
                                             u"東京都千代田区丸の内1-2-3 コーポ101号室",
                                             u"東京都千代田区丸の内",
                                             u""};
    const std::u16string_view joints[] = {u"", u"a", u"b", u"A", u"ａ", u"が", u"か", u"ｶ"};
    const std::u16string_view stamps[] = {u"2024/01/01 10:00:00", u"2024/01/01 10:00:01",
                                          u"2023/12/31 23:59:59"};
    // Few distinct numbers, so that equal keys are often decided late in the line.
    unsigned seed = 12345;
    auto pick = [&seed](auto& table) -> decltype(auto) {
        seed = seed * 1103515245u + 12345u;
        return table[(seed >> 8) % std::size(table)];
    };
    std::vector<std::u16string> lines;
    for (int i = 0; i < count; ++i) {
        const std::u16string_view name = pick(names);
        lines.push_back(MakeLine(static_cast<int>(seed % 3), {.name = name,
                                                              .kana = pick(names),
                                                              .postalCode = pick(codes),
                                                              .address = pick(addresses),
                                                              .registered = pick(stamps),
                                                              .joint1 = pick(joints)}));
    }
    return lines;
}

TEST(SortRoster, HeadFirstOrderEqualsTheWholeKeyOrderOnTrickyLines) {
    const std::vector<std::u16string> lines = TrickyLines(4000);
    for (int item = 0; item < kSortItemCount; ++item)
        EXPECT_EQ(SortOrder(lines, item), WholeKeySortOrder(lines, item)) << item;

    // The voicing mark of the key counts only after every letter of the whole string: with
    // equal numbers, がとう with joint name "a" comes before かとう with joint name "b".
    const std::vector<std::u16string> pair = {MakeLine(7, {.name = u"かとう", .joint1 = u"b"}),
                                              MakeLine(7, {.name = u"がとう", .joint1 = u"a"})};
    EXPECT_EQ(SortOrder(pair, 0), (std::vector<std::size_t>{1, 0}));
    EXPECT_EQ(WholeKeySortOrder(pair, 0), (std::vector<std::size_t>{1, 0}));
}

TEST(SortRoster, TenThousandAndOneLines) {
    std::vector<std::u16string> lines;
    for (int i = 0; i < 10001; ++i) lines.push_back(MakeLine(1, {.name = u"同名"}));
    const auto sorted = SortRosterLines(lines, 0);
    ASSERT_EQ(sorted.size(), 10001u);
    EXPECT_EQ(sorted[0].substr(0, 7), u"No.0001");
    EXPECT_EQ(sorted[9998].substr(0, 7), u"No.9999");
    EXPECT_EQ(sorted[9999].substr(0, 7), u"No.0000");
    EXPECT_EQ(sorted[10000].substr(0, 7), u"No.0001");
}

}  // namespace
}  // namespace zl
