#include <gtest/gtest.h>

#include "export/CsvLines.h"
#include "platform/ProgressThrottle.h"
#include "platform/TextUtil.h"

namespace zl {
namespace {

std::string U8(std::u16string_view s) { return ToUtf8(s); }

// A stored line from its fields 2 to 22 as typed-and-stored texts.
std::u16string Line(std::u16string_view no, std::u16string_view name, std::u16string_view address,
                    std::u16string_view birthDate = u"    /  /  ",
                    std::u16string_view noPhone = u"OFF", std::u16string_view joints = u",,") {
    return std::u16string(no) + u"," + std::u16string(name) + u",かな,100-0001," +
           std::u16string(address) + u",03-1111-2222,a@b.jp,S50.1.5," + std::u16string(birthDate) +
           u"," + std::u16string(noPhone) +
           u",OFF,OFF,OFF,2024/04/01 10:00:00,不明,1,備考~1,備考2,備考3," + std::u16string(joints);
}

TEST(CsvLines, CountsGetOneCommaFromAThousandOn) {
    const std::pair<int, const char16_t*> cases[] = {{0, u"0"},        {999, u"999"},
                                                     {1000, u"1,000"}, {1005, u"1,005"},
                                                     {3001, u"3,001"}, {99999, u"99,999"}};
    for (const auto& [n, text] : cases) EXPECT_EQ(FormatCount(n), text) << n;
}

TEST(CsvLines, SaveRequestOfTheExports) {
    const SaveRequest r = CsvSaveRequest(u"誕生月『 3月』");
    EXPECT_EQ(r.defaultName, u"誕生月『 3月』");
    EXPECT_EQ(r.defaultExt, u"csv");
    ASSERT_EQ(r.filters.size(), 2u);
    EXPECT_EQ(r.filters[0].name, u"CSVﾃﾞｰﾀ");
    EXPECT_EQ(r.filters[0].patterns, u"*.csv");
    EXPECT_EQ(r.filters[1].name, u"全て");
    EXPECT_EQ(r.filters[1].patterns, u"*.*");
    EXPECT_TRUE(r.confirmOverwrite);
}

TEST(CsvLines, BirthMonthHeaderAndLine) {
    const std::array<std::u16string, 7> captions = {
        u"本人含む票数", u"備考１", u"備考\"2\"", u"備考３", u"連名１", u"連名２", u"連名３"};
    EXPECT_EQ(
        BirthMonthCsvHeader(captions),
        u"\"No.\",\"名前\",\"なまえ\",\"〒\",\"住所\",\"電話番号\",\"Eメール or ホームページ\","
        u"\"生年月日（記入）\",\"生年月日（西暦）\",\"電話不要\",\"E-Mail不要\",\"チラシ不要\","
        u"\"ハガキ不要\",\"登録日\",\"期待度\",\"本人含む票数\",\"備考１\",\"備考\"\"2\"\"\","
        u"\"備考３\",\"連名１\",\"連名２\",\"連名３\"\r\n");
    // A typed comma (stored "~") stays inside its field; a double quote is doubled; "～" (a typed
    // "~") is kept.
    std::u16string out;
    AppendBirthMonthCsvLine(out, u"No.0001,山田\"太郎\",a~b,～,,");
    EXPECT_EQ(out, u"\"No.0001\",\"山田\"\"太郎\"\"\",\"a,b\",\"～\",\"\",\"\"\r\n");
}

TEST(CsvLines, BulkMailLine) {
    EXPECT_EQ(
        BulkMailCsvHeader(),
        u"\"名前（姓）\",\"名前（名）\",\"かな（めい）\",\"郵便番号\",\"番地以下\",\"電話番号\","
        u"\"メールアドレス\",\"携帯電話メールアドレス\"\r\n");
    struct Case {
        std::u16string line;
        const char16_t* expected;
    } cases[] = {
        // Column 8 follows NoPhone (field 10), not NoMail.
        {Line(u"No.0012", u"山田　太郎", u"1-2-3~ビル", u"1975/01/05", u"ON"),
         u"\"No.0012\",\"山田　太郎\",\"かな\",\"100-0001\",\"1-2-3,ビル\",\"03-1111-2222\","
         u"\"a@b.jp\",\"○\"\r\n"},
        {Line(u"No.0013", u"a\"b", u"x", u"1975/01/05", u"OFF"),
         u"\"No.0013\",\"a\"\"b\",\"かな\",\"100-0001\",\"x\",\"03-1111-2222\",\"a@b.jp\","
         u"\"\"\r\n"},
        // A short line still gives eight columns.
        {u"No.0014,名", u"\"No.0014\",\"名\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"},
    };
    for (const Case& c : cases) {
        std::u16string out;
        AppendBulkMailCsvLine(out, c.line);
        EXPECT_EQ(out, c.expected) << U8(c.line);
    }
}

TEST(CsvLines, LabelAddressSplit) {
    struct Case {
        const char16_t *address, *first, *second;
    } cases[] = {
        {u"東京都中央区1-2-3　中央ビル5F", u"東京都中央区1-2-3", u"中央ビル5F"},
        {u"東京都中央区1-2-3 中央ビル 5F", u"東京都中央区1-2-3", u"中央ビル 5F"},
        {u"東京都 中央区　ビル", u"東京都 中央区", u"ビル"},  // full-width first
        {u"　東京都 中央区", u"　東京都", u"中央区"},         // leading full-width: half-width
        {u" 東京都中央区", u" 東京都中央区", u""},            // leading half-width: no split
        {u"　 東京都", u"　", u"東京都"},
        {u"東京都中央区1-2-3", u"東京都中央区1-2-3", u""},
        {u"", u"", u""},
    };
    for (const Case& c : cases) {
        const LabelAddress a = SplitLabelAddress(c.address);
        EXPECT_EQ(a.first, c.first) << U8(c.address);
        EXPECT_EQ(a.second, c.second) << U8(c.address);
    }
}

TEST(CsvLines, LabelJointLayout) {
    struct Case {
        const char16_t *name, *joint;
        std::size_t padding;
        bool honorific;
    } cases[] = {
        {u"山田　太郎", u"", 0, false},
        {u"山田　太郎", u"花", 3, true},
        {u"山田　太郎", u"花子", 3, true},
        {u"山田　太郎", u"六文字の名前", 3, true},
        {u"山田　太郎", u"七文字の名前だ", 0, false},
        {u"佐々木　一", u"花子", 4, true},
        {u"　山田", u"花子", 1, true},
        {u"山田太郎", u"花子", 0, true},
        {u"山田 太郎", u"花子", 0, true},  // only a full-width space counts
        {u"山田太郎", u"七文字の名前だ", 0, false},
        // The length counts the quotes the value is written with: "a,bcd" is seven.
        {u"山田　太郎", u"a~bc", 3, true},
        {u"山田　太郎", u"a~bcd", 0, false},
        {u"山田　太郎", u"a\"b", 3, true},
        {u"山田　太郎", u"a\"bc", 0, false},
    };
    for (const Case& c : cases) {
        const LabelJoint j = LabelJointLayout(c.name, c.joint);
        EXPECT_EQ(j.padding, c.padding) << U8(c.name) << " " << U8(c.joint);
        EXPECT_EQ(j.honorific, c.honorific) << U8(c.name) << " " << U8(c.joint);
    }
}

TEST(CsvLines, LabelQuoting) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"", u""},     {u"A~B", u"\"A,B\""}, {u"A\"B", u"\"A\"\"B\""},     {u"=1+2", u"=1+2"},
        {u"-1", u"-1"}, {u"a～b", u"a～b"},   {u"\"~\"", u"\"\"\",\"\"\""},
    };
    for (const auto& [value, column] : cases) EXPECT_EQ(LabelColumn(value), column) << U8(value);
}

TEST(CsvLines, LabelRecord) {
    struct Case {
        std::u16string line;
        const char16_t* record;
    } cases[] = {
        {Line(u"No.0012", u"山田　太郎", u"東京都中央区1-2-3　中央ビル5F", u"1975/01/05", u"OFF",
              u"花子,,七文字の名前だ"),
         u"山田　太郎,100-0001,東京都中央区1-2-3,中央ビル5F,,[ No.0012 ],,山田　太郎,　様,"
         u"　　　花子,　様,,,七文字の名前だ,,\"備考,1\",備考2\r\n"},
        // The quotes go around the parts of a split address and around a padded joint name.
        {Line(u"No.0013", u"山田　太郎", u"中央1~2　ビル~3F", u"1975/01/05", u"OFF", u"a~b,,"),
         u"山田　太郎,100-0001,\"中央1,2\",\"ビル,3F\",,[ No.0013 ],,山田　太郎,　様,"
         u"\"　　　a,b\",　様,,,,,\"備考,1\",備考2\r\n"},
        {u"No.0014", u",,,,,[ No.0014 ],,,　様,,,,,,,,\r\n"},
    };
    for (const Case& c : cases) {
        std::u16string out;
        AppendLabelRecord(out, c.line);
        EXPECT_EQ(out, c.record) << U8(c.line);
    }
}

TEST(CsvLines, LabelExported) {
    const auto key = std::optional<std::u16string>(u"01");
    const std::u16string jan = Line(u"No.0001", u"名", u"住所", u"1975/01/05");
    EXPECT_TRUE(LabelExported(jan, key));
    EXPECT_FALSE(LabelExported(Line(u"No.0001", u"名", u"住所", u"1975/10/05"), key));
    std::u16string flyer = jan, postcard = jan;
    flyer.replace(flyer.find(u"OFF,OFF,OFF,OFF"), 15, u"OFF,OFF,ON,OFF");
    postcard.replace(postcard.find(u"OFF,OFF,OFF,OFF"), 15, u"OFF,OFF,OFF,ON");
    EXPECT_FALSE(LabelExported(flyer, key));
    EXPECT_FALSE(LabelExported(postcard, std::nullopt));
    EXPECT_TRUE(LabelExported(u"No.0001,,,,,,,,1975/01/05,,,,", key));  // empty flags
}

TEST(CsvLines, LabelQuestion) {
    const char16_t* tail =
        u"\r\rNo."
        u"は会社機関等同２行目欄に入りますので、その欄はLabrinで小さな文字サイズに設定ください。";
    EXPECT_EQ(
        LabelQuestion(8, 2, u" 1月"),
        std::u16string(u"チラシ不要かハガキ不要で間引かれるのは、8件です。有効データは、2件です。"
                       u"\r誕生月『 1月』のLabrin用CSVファイル出力を行います。") +
            tail);
    EXPECT_EQ(LabelQuestion(1005, 999, u"全月"),
              std::u16string(u"チラシ不要かハガキ不要で間引かれるのは、1,005件です。有効データは、"
                             u"999件です。\r誕生月『全月』のLabrin用CSVファイル出力を行います。") +
                  tail);
    EXPECT_EQ(
        LabelQuestion(1000, 3000, u"全月"),
        std::u16string(u"チラシ不要かハガキ不要で間引かれるのは、1,000件です。有効データは、"
                       u"3,000件です。\r誕生月『全月』のLabrin用CSVファイル出力を行います。") +
            tail);
    EXPECT_EQ(LabelQuestion(0, 3001, u"不明"),
              std::u16string(u"チラシ不要かハガキ不要で間引かれるのは、0件です。有効データは、"
                             u"3,001件です。Labrinのデータ容量3,000件を超えていますので、分割して"
                             u"\r誕生月『不明』のLabrin用CSVファイル出力を行います。") +
                  tail);
}

TEST(CsvLines, LabelSplitFileNames) {
    EXPECT_EQ(LabelSplitFileName(u"/d/name.csv", 3000), u"/d/name-3000.csv");
    EXPECT_EQ(LabelSplitFileName(u"/d/name.csv", 12), u"/d/name-0012.csv");
    EXPECT_EQ(LabelSplitFileName(u"/d/name.csv", 10001), u"/d/name-10001.csv");
    EXPECT_EQ(LabelSplitFileName(u"/d/name.txt", 5000), u"/d/name-5000.csv");
    EXPECT_EQ(LabelSplitFileName(u"/d/data", 5000), u"/d/-5000.csv");  // four characters go
}

TEST(ProgressThrottle, AFewHundredDrawsForALongRun) {
    ProgressThrottle t;
    t.Reset(0, 99999);
    std::vector<int> drawn;
    for (int j = 0; j < 100000; ++j)
        if (t.Due(j)) drawn.push_back(j);
    EXPECT_GE(drawn.size(), 100u);
    EXPECT_LE(drawn.size(), 300u);
    EXPECT_EQ(drawn.front(), 0);
    EXPECT_EQ(drawn.back(), 99999);
    // A short run draws every step; the same position is not drawn twice.
    t.Reset(0, 4);
    int count = 0;
    for (int j = 0; j < 5; ++j) count += t.Due(j) ? 1 : 0;
    EXPECT_EQ(count, 5);
    EXPECT_FALSE(t.Due(4));
    t.Reset(0, 0);
    EXPECT_TRUE(t.Due(0));
}

}  // namespace
}  // namespace zl
