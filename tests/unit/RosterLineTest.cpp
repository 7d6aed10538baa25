#include <gtest/gtest.h>

#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {
namespace {

int CountCommas(std::u16string_view s) {
    int n = 0;
    for (char16_t c : s) n += c == u',';
    return n;
}

TEST(RosterLine, FieldCodec) {
    struct Case {
        std::u16string typed, stored, shown;
        int tildes;
    };
    const Case cases[] = {
        {u"山田,太郎", u"山田~太郎", u"山田,太郎", 0},
        {u"A~B", u"A～B", u"A～B", 1},
        {u"~,~", u"～~～", u"～,～", 2},
        {u"～", u"～", u"～", 0},
        {u"", u"", u"", 0},
    };
    for (const auto& c : cases) {
        EncodedField e = EncodeFieldText(c.typed);
        EXPECT_EQ(e.text, c.stored);
        EXPECT_EQ(e.replacedTildes, c.tildes);
        EXPECT_EQ(DecodeFieldText(e.text), c.shown);
    }
}

TEST(RosterLine, GetFieldFindsFieldsAndToleratesShortLines) {
    const std::u16string line = u"No.0001,山田,やまだ,,東京";
    struct Case {
        int n;
        std::u16string text;
        std::size_t start, length;
    };
    const Case cases[] = {
        {1, u"No.0001", 0, 7}, {2, u"山田", 8, 2}, {3, u"やまだ", 11, 3}, {4, u"", 15, 0},
        {5, u"東京", 16, 2},   {6, u"", 18, 0},    {9, u"", 18, 0},       {22, u"", 18, 0},
    };
    for (const auto& c : cases) {
        FieldSlice f = GetField(c.n, line);
        EXPECT_EQ(f.text, c.text) << c.n;
        EXPECT_EQ(f.start, c.start) << c.n;
        EXPECT_EQ(f.length, c.length) << c.n;
        // The slice can always be cut out of the line and replaced.
        std::u16string copy = line;
        copy.replace(f.start, f.length, u"X");
    }
    EXPECT_EQ(GetField(1, u"").text, u"");
    EXPECT_EQ(GetField(RosterField::Joint3, u"a,b").start, 3u);
}

TEST(RosterLine, FormatThousands) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"", u""},
        {u"1", u"1"},
        {u"123", u"123"},
        {u"1234", u"1,234"},
        {u"123456", u"123,456"},
        {u"1234567", u"1,234,567"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(FormatThousands(in), out);
}

EntryValues SampleValues() {
    EntryValues v;
    v.name = u"山田,太郎";
    v.kana = u"やまだ　たろう";
    v.postalCode = u"100-0005";
    v.address = u"東京都千代田区丸の内1-2-3";
    v.phone = u"03-1234-5678";
    v.mailOrUrl = u"taro@example.jp";
    v.birthText = u"S50.1.5";
    v.birthDate = DateTime{1975, 1, 5};
    v.noPhone = true;
    v.noPostcard = true;
    v.expectation = u"○";
    v.votes = u"1,234";
    v.remark1 = u"A~B";
    v.remark3 = u"r3";
    v.joint1 = u"花子";
    v.joint3 = u"次郎,";
    return v;
}

TEST(RosterLine, BuildLineAndReadItBack) {
    int replaced = 0;
    const std::u16string line =
        BuildLine(u"0012", SampleValues(), u"2024/03/05 09:07:41", &replaced);
    EXPECT_EQ(line,
              u"No.0012,山田~太郎,やまだ　たろう,100-0005,東京都千代田区丸の内1-2-3,03-1234-5678,"
              u"taro@example.jp,S50.1.5,1975/01/05,ON,OFF,OFF,ON,2024/03/05 09:07:41,○,1234,"
              u"A～B,,r3,花子,,次郎~");
    EXPECT_EQ(CountCommas(line), 21);
    EXPECT_EQ(replaced, 1);

    LoadedEntry e = ReadLine(line);
    EXPECT_EQ(e.no, u"0012");
    EXPECT_EQ(e.values.name, u"山田,太郎");
    EXPECT_EQ(e.values.address, u"東京都千代田区丸の内1-2-3");
    EXPECT_EQ(e.values.birthText, u"S50.1.5");
    EXPECT_EQ(e.birthDate.kind, ReadDate::Kind::Date);
    EXPECT_EQ(e.values.birthDate, (DateTime{1975, 1, 5}));
    EXPECT_TRUE(e.values.noPhone);
    EXPECT_FALSE(e.values.noMail);
    EXPECT_FALSE(e.values.noFlyer);
    EXPECT_TRUE(e.values.noPostcard);
    EXPECT_EQ(e.registeredText, u"2024/03/05 09:07:41");
    EXPECT_EQ(e.expectationIndex, 0);
    EXPECT_EQ(e.values.votes, u"1,234");
    EXPECT_EQ(e.values.remark1, u"A～B");
    EXPECT_EQ(e.values.remark2, u"");
    EXPECT_EQ(e.values.remark3, u"r3");
    EXPECT_EQ(e.values.joint1, u"花子");
    EXPECT_EQ(e.values.joint2, u"");
    EXPECT_EQ(e.values.joint3, u"次郎,");

    // Reading and building again gives the same line.
    int again = 0;
    EXPECT_EQ(BuildLine(e.no, e.values, e.registeredText, &again), line);
}

TEST(RosterLine, EmptyFormBuildsTwentyTwoFields) {
    EntryValues v;
    const std::u16string line = BuildLine(u"0001", v, u"2024/01/01 00:00:00", nullptr);
    EXPECT_EQ(line, u"No.0001,,,,,,,,    /  /  ,OFF,OFF,OFF,OFF,2024/01/01 00:00:00,不明,,,,,,,");
}

TEST(RosterLine, NineteenFieldLineReadsWithoutJointNames) {
    const std::u16string line =
        u"No.0003,名,な,,,,,,    /  /  ,OFF,ON,OFF,OFF,2020/01/02 03:04:05,×,5,r1,r2,r3";
    LoadedEntry e = ReadLine(line);
    EXPECT_EQ(e.values.remark3, u"r3");
    EXPECT_EQ(e.values.joint1, u"");
    EXPECT_EQ(e.values.joint2, u"");
    EXPECT_EQ(e.values.joint3, u"");
    EXPECT_EQ(e.expectationIndex, 3);
    EXPECT_TRUE(e.values.noMail);
    EXPECT_EQ(e.birthDate.kind, ReadDate::Kind::None);
    EXPECT_EQ(CountCommas(BuildLine(e.no, e.values, e.registeredText, nullptr)), 21);

    // Pieces after the 22nd field are ignored.
    LoadedEntry longer = ReadLine(line + u",j1,j2,j3,extra");
    EXPECT_EQ(longer.values.joint3, u"j3");
}

TEST(RosterLine, ExpectationAndFlagsReadExactly) {
    const std::pair<std::u16string, int> cases[] = {
        {u"○", 0}, {u"△", 1}, {u"不明", 2}, {u"×", 3}, {u"", 2}, {u"◎", 2},
    };
    for (const auto& [text, index] : cases) {
        LoadedEntry e = ReadLine(u"No.0001,,,,,,,,,on,On,ON ,ON,," + text + u",,,,,,,");
        EXPECT_EQ(e.expectationIndex, index) << ToUtf8(text);
        EXPECT_FALSE(e.values.noPhone);
        EXPECT_FALSE(e.values.noMail);
        EXPECT_FALSE(e.values.noFlyer);
        EXPECT_TRUE(e.values.noPostcard);
    }
}

TEST(RosterLine, ShortAndEmptyLinesReadAsEmpty) {
    for (std::u16string line : {u"", u"No.", u"No.0001", u"garbage without separators"}) {
        LoadedEntry e = ReadLine(line);
        EXPECT_EQ(e.values.joint3, u"");
        EXPECT_EQ(e.birthDate.kind, ReadDate::Kind::None);
        EXPECT_EQ(e.expectationIndex, 2);
    }
}

TEST(RosterLine, ReadBirthDate) {
    using K = ReadDate::Kind;
    struct Case {
        std::u16string text;
        K kind;
        DateTime date;
    };
    const Case cases[] = {
        {u"1975/01/05", K::Date, {1975, 1, 5}},
        {u"1975/1/5", K::Date, {1975, 1, 5}},
        {u"2001/2/03", K::Date, {2001, 2, 3}},
        {u"2001/02/3", K::Date, {2001, 2, 3}},
        {u"1975-1-05", K::Date, {1975, 1, 5}},
        {u"    /  /  ", K::None, {}},
        {u"", K::None, {}},
        {u" 1975/01/05", K::None, {}},
        {u"2023/02/29", K::Invalid, {}},
        {u"2024/02/29", K::Date, {2024, 2, 29}},
        {u"1975/13/01", K::Invalid, {}},
        {u"abcd/ef/gh", K::Invalid, {}},
        {u"1975", K::Invalid, {}},
    };
    for (const auto& c : cases) {
        ReadDate r = ReadBirthDate(c.text);
        EXPECT_EQ(r.kind, c.kind) << ToUtf8(c.text);
        if (c.kind == K::Date) {
            EXPECT_EQ(r.value, c.date) << ToUtf8(c.text);
        }
    }
}

TEST(RosterLine, ReadRegistered) {
    using K = ReadDate::Kind;
    const DateTime now{2030, 6, 7, 11, 22, 33};
    struct Case {
        std::u16string text;
        K kind;
        DateTime value;
    };
    const Case cases[] = {
        {u"2024/03/05 09:07:41", K::Date, {2024, 3, 5, 9, 7, 41}},
        {u"2024/3/5 9:07:41", K::Date, {2024, 3, 5, 9, 7, 41}},
        {u"2024/03/05 9:7:41", K::Date, {2024, 3, 5, 9, 7, 41}},
        {u"2024/3/15 10:07:04", K::Date, {2024, 3, 15, 10, 7, 4}},
        {u"2024/03/05", K::Date, {2024, 3, 5, 11, 22, 33}},  // time from the clock
        {u"2024/3/5", K::Date, {2024, 3, 5, 11, 22, 33}},
        {u"2024/02/30 00:00:00", K::Invalid, {}},
        {u"2024/03/05 25:00:00", K::Invalid, {}},
        {u"", K::Invalid, {}},
    };
    for (const auto& c : cases) {
        ReadDate r = ReadRegistered(c.text, now);
        EXPECT_EQ(r.kind, c.kind) << ToUtf8(c.text);
        if (c.kind == K::Date) {
            EXPECT_EQ(r.value, c.value) << ToUtf8(c.text);
        }
    }
}

}  // namespace
}  // namespace zl
