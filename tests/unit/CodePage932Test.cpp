#include <gtest/gtest.h>

#include "platform/CodePage932.h"

namespace zl {
namespace {

struct Cp932Case {
    std::u16string text;
    std::string bytes;
};

// The Windows mapping of the characters that Shift_JIS variants disagree on.
TEST(CodePage932, MapsTheWindowsWay) {
    const Cp932Case cases[] = {
        {u"～", "\x81\x60"},  // U+FF5E full-width tilde
        {u"―", "\x81\x5C"},   // U+2015
        {u"－", "\x81\x7C"},  // U+FF0D
        {u"‐", "\x81\x5D"},   // U+2010
        {u"〜", "?"},         // U+301C wave dash has no code
        {u"\u2212", "?"},     // minus sign has no code
        {u"ｱ", "\xB1"},       // half-width katakana: one byte
        {u"ア", "\x83\x41"},  // full-width: two
        {u"山田,A~", "\x8E\x52\x93\x63,A~"},
        {u"\U0001F600x", "?x"},  // a surrogate pair becomes one "?"
        {u"①", "\x87\x40"},      // NEC special character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToCp932(c.text), c.bytes);
        EXPECT_EQ(Cp932Length(c.text), c.bytes.size());
    }
}

TEST(CodePage932, RoundTripsEveryMappedText) {
    const std::u16string texts[] = {u"", u"No.0001,山田　太郎,やまだ　たろう,100-0005",
                                    u"東京都千代田区丸の内１丁目２－３", u"ﾃｽﾄ～―－‐①㈱"};
    for (const auto& t : texts) EXPECT_EQ(FromCp932(ToCp932(t)), t);
    EXPECT_EQ(FromCp932("\x81\x60"), u"～");
}

TEST(CodePage932, CharLength) {
    std::u16string t = u"aｱア\U0001F600";
    EXPECT_EQ(Cp932CharLength(t, 0), 1u);
    EXPECT_EQ(Cp932CharLength(t, 1), 1u);
    EXPECT_EQ(Cp932CharLength(t, 2), 2u);
    EXPECT_EQ(Cp932CharLength(t, 3), 1u);
}

}  // namespace
}  // namespace zl
