#include <gtest/gtest.h>

#include "editing/FieldNormalisation.h"
#include "platform/TextUtil.h"

namespace zl {
namespace {

struct TextCase {
    const char* in;
    const char* out;
};

TEST(NormalisePostalCode, Forms) {
    TextCase cases[] = {
        {"１００ー０００５", "100-0005"}, {"1000005", "100-0005"},
        {"100 0005", "100-0005"},         {"100　0005", "100-0005"},
        {"100－0005", "100-0005"},        {"100―0005", "100-0005"},
        {"100‐0005", "100-0005"},         {"100・0005", "100-0005"},
        {"100000512", "10000051"},        {"", ""},
        {"100-0005", "100-0005"},         {"（100）", "(100)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(NormalisePostalCode(FromUtf8(c.in))), c.out) << c.in;
}

TEST(NormalisePhone, Forms) {
    TextCase cases[] = {
        {"０３（１２３４）５６７８", "03(1234)5678"},
        {"03・1234・5678", "03-1234-5678"},
        {"03、1234，5678", "03-1234-5678"},
        {" 03 1234 5678　", "03 1234 5678"},  // inner spaces stay
        {"03ー1234", "03ー1234"},             // the long vowel mark is no dash here
        {"０３－１２３４―５６７８‐９", "03-1234-5678-9"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToUtf8(NormalisePhone(FromUtf8(c.in))), c.out) << c.in;
}

TEST(CheckMailText, MailAddressesAndOthers) {
    struct {
        const char* in;
        bool rewrite, setNoMail;
        const char* text;
    } cases[] = {
        {"taro@example.jp", false, false, "taro@example.jp"},
        {" taro@example.jp ", false, false, "taro@example.jp"},  // kept as typed
        {"", false, false, ""},
        {"   ", false, false, ""},
        {"taro.example.jp", true, true, "taro.example.jp"},          // no "@"
        {"taro@example", true, true, "taro@example"},                // no "."
        {"ｔａｒｏ@example.jp", true, true, "ｔａｒｏ@example.jp"},  // full-width characters
        {" なし ", true, true, "なし"},
    };
    for (const auto& c : cases) {
        MailCheck check = CheckMailText(FromUtf8(c.in));
        EXPECT_EQ(check.rewrite, c.rewrite) << c.in;
        EXPECT_EQ(check.setNoMail, c.setNoMail) << c.in;
        EXPECT_EQ(ToUtf8(check.text), c.text) << c.in;
    }
}

TEST(LinkKind, CaseSensitiveSubstrings) {
    EXPECT_EQ(LinkKind(u"https://example.jp"), u"H P");
    EXPECT_EQ(LinkKind(u"見て http"), u"H P");
    EXPECT_EQ(LinkKind(u"file:///c:/a.pdf"), u"File");
    EXPECT_EQ(LinkKind(u"file http"), u"H P");
    EXPECT_EQ(LinkKind(u"HTTP://EXAMPLE.JP"), u"");
    EXPECT_EQ(LinkKind(u"File"), u"");
    EXPECT_EQ(LinkKind(u""), u"");
}

TEST(Votes, CheckAndSeparators) {
    EXPECT_TRUE(IsValidVotesText(u"12,345"));
    EXPECT_TRUE(IsValidVotesText(u"0"));
    EXPECT_TRUE(IsValidVotesText(u""));
    EXPECT_FALSE(IsValidVotesText(u"１２"));
    EXPECT_FALSE(IsValidVotesText(u"-1"));
    EXPECT_FALSE(IsValidVotesText(u"1 2"));
    EXPECT_FALSE(IsValidVotesText(u"1.5"));
    TextCase cases[] = {{"1234567", "1,234,567"}, {"1,23,4567", "1,234,567"},
                        {"12,345", "12,345"},     {"0", "0"},
                        {"123", "123"},           {"1000", "1,000"}};
    for (const auto& c : cases) EXPECT_EQ(ToUtf8(FormatVotes(FromUtf8(c.in))), c.out) << c.in;
}

TEST(CutHouseNumber, CutsBeforeTheFirstDigit) {
    TextCase cases[] = {
        {"東京都千代田区丸の内１丁目２－３", "東京都千代田区丸の内"},
        {"大阪市北区梅田3-1-1", "大阪市北区梅田"},
        {"1-2-3", ""},
        {"京都市左京区", "京都市左京区"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToUtf8(CutHouseNumber(FromUtf8(c.in))), c.out) << c.in;
    EXPECT_EQ(CutHouseNumber(std::u16string(150, u'あ')), std::u16string(100, u'あ'));
}

TEST(CutGivenName, KeepsTheFamilyNameAndSpace) {
    TextCase cases[] = {
        {"山田 太郎", "山田　"},
        {"山田　太郎", "山田　"},
        {"やまだ たろう じろう", "やまだ　"},
        {"山田太郎", "山田太郎"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ToUtf8(CutGivenName(FromUtf8(c.in))), c.out) << c.in;
}

TEST(PrefillName, FromTheKana) {
    struct {
        const char* name;
        const char* kana;
        const char* filled;
        int from, to;
    } cases[] = {
        // Empty name: the whole kana, the family name selected.
        {"", "やまだ　たろう", "やまだ　たろう", 0, 3},
        {"", "やまだたろう", "やまだたろう", 0, 6},
        {"", "", "", 0, 0},
        // The given-name clear left the family name and a space: the given name follows.
        {"山田　", "やまだ　はなこ", "山田　はなこ", 3, 6},
        // A full name: the given name selected.
        {"山田　太郎", "やまだ　たろう", "山田　太郎", 3, 5},
        // A name without a space: all of it.
        {"山田太郎", "やまだ　たろう", "山田太郎", 0, 4},
        // Kana without a space, name with one: the family name.
        {"山田　太郎", "やまだたろう", "山田　太郎", 0, 2},
    };
    for (const auto& c : cases) {
        NamePrefill r = PrefillName(FromUtf8(c.name), FromUtf8(c.kana));
        EXPECT_EQ(ToUtf8(r.name), c.filled) << c.name << "/" << c.kana;
        EXPECT_EQ(r.selectFrom, c.from) << c.name << "/" << c.kana;
        EXPECT_EQ(r.selectTo, c.to) << c.name << "/" << c.kana;
    }
}

}  // namespace
}  // namespace zl
