#include <gtest/gtest.h>

#include "links/ClipEntry.h"
#include "links/ClipboardText.h"
#include "links/LinkTargets.h"
#include "links/MailEveryone.h"
#include "platform/CodePage932.h"
#include "platform/DesktopUrl.h"
#include "platform/TextUtil.h"
#include "tests/unit/MemoryControls.h"

namespace zl {
namespace {

// A roster line with the fields the mail to everyone reads.
std::u16string MailLine(int no, std::u16string_view name, std::u16string_view mail,
                        std::u16string_view noMail = u"OFF") {
    return u"No." + ZeroPad(no, 4) + u"," + std::u16string(name) + u",,,,," + std::u16string(mail) +
           u",,    /  /  ,OFF," + std::u16string(noMail) +
           u",OFF,OFF,2024/01/01 10:00:00,不明,1,,,,,,";
}

TEST(LinkTargets, MapAndMailTargetsKeepTheTypedText) {
    EXPECT_EQ(FirstMapTarget(u"東京都千代田区 丸の内　１－１"),
              u"https://www.google.com/maps/search/東京都千代田区 丸の内　１－１");
    EXPECT_EQ(SecondMapTarget(u"大阪市北区 1-1"),
              u"https://www.its-mo.com/map/#freeword,,大阪市北区 1-1");
    EXPECT_EQ(PersonMailTarget(u"山田　太郎", u"taro@example.jp"),
              u"mailto:山田　太郎　様<taro@example.jp>");
}

TEST(LinkTargets, CutBeforeTheFirstLink) {
    struct Case {
        std::u16string_view text, opened;
    };
    const Case cases[] = {
        {u"ホームページ http://example.jp/a", u"http://example.jp/a"},
        // "file" later in a web address: only the first cut applies.
        {u"see https://example.jp/profile/file.html", u"https://example.jp/profile/file.html"},
        // "http" inside a file path: the web cut comes first.
        {u"file:///home/user/http/a.pdf", u"http/a.pdf"},
        {u"資料 file:///home/user/a.pdf", u"file:///home/user/a.pdf"},
        {u"no link", u"no link"},
        {u"", u""},
        // A mail is opened whole, whatever its recipients or body hold.
        {u"mailto:山田　様<profile@example.com>", u"mailto:山田　様<profile@example.com>"},
        {u"mailto:?subject=&body=http://example.jp%0d%0a&bcc=a<a@b>",
         u"mailto:?subject=&body=http://example.jp%0d%0a&bcc=a<a@b>"},
        {u"x mailto:a@b http://c", u"http://c"},
    };
    for (const Case& c : cases) EXPECT_EQ(CutLinkTarget(c.text), c.opened) << ToUtf8(c.text);
}

TEST(MailEveryone, RecipientsLeaveOutEmptyNoMailAndDuplicates) {
    const std::vector<std::u16string> lines = {
        MailLine(1, u"山田~太郎", u"a@example.jp"),   MailLine(2, u"空欄", u""),
        MailLine(3, u"不要", u"b@example.jp", u"ON"), MailLine(4, u"重複", u"a@example.jp"),
        MailLine(5, u"無効", u"nomail", u"ON"),   // flagged by the form as no valid address
        MailLine(6, u"大文字", u"A@example.jp"),  // compared as exact texts
        MailLine(7, u"不定", u"c@example.jp", u""),   MailLine(8, u"鈴木", u"d@example.jp"),
    };
    const RecipientPass pass = CollectRecipients(lines);
    EXPECT_EQ(pass.entries, 8);
    EXPECT_EQ(pass.recipients, (std::vector<std::u16string>{u"山田~太郎　様<a@example.jp>",
                                                            u"大文字　様<A@example.jp>",
                                                            u"鈴木　様<d@example.jp>"}));
    EXPECT_EQ(pass.duplicates, std::vector<std::u16string>{u"No.0004 重複　様<a@example.jp>"});
    EXPECT_EQ(pass.skipped(), 5);
}

TEST(MailEveryone, AddressesCompareInTheCodePage) {
    // Two characters the code page lacks both become "?": the same address there.
    const RecipientPass pass =
        CollectRecipients({MailLine(1, u"A", u"😀@x.jp"), MailLine(2, u"B", u"😎@x.jp")});
    EXPECT_EQ(pass.recipients.size(), 1u);
    EXPECT_EQ(pass.duplicates.size(), 1u);
}

TEST(MailEveryone, ConfirmationForms) {
    const std::u16string note =
        u"\n(リストアドレスのBCC設定の他に、初期設定ファイルzorvel.iniで記述のTO、CC、BCC、件名、"
        u"本文が反映されます。)";
    struct Case {
        int entries, recipients;
        std::u16string text;
    };
    const Case cases[] = {
        {3, 3, u"全3名にBCCメール送信します。" + note},
        // Nobody skipped: no note about the split, even with more than one mail.
        {120, 120, u"全120名にBCCメール送信します。" + note},
        {5, 2,
         u"未入力・無効・重複(2件目以降)アドレス3名を除き、残り全2名にBCCメール送信します。" +
             note},
        {52, 50,
         u"未入力・無効・重複(2件目以降)アドレス2名を除き、残り全50名にBCCメール送信します。" +
             note},
        {60, 51,
         u"未入力・無効・重複(2件目以降)アドレス9名を除き、残り全51名にBCCメール送信します。"
         u"\n1通のメールで可能な同報数の上限を超える可能性がありますので、それぞれ50アドレス以下"
         u"の2通に分割して送信します。" +
             note},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MailConfirmText(c.entries, c.recipients), c.text) << c.entries;
}

TEST(MailEveryone, ComposedTargetForEverySettingsCombination) {
    // Bit 0 To, 1 Subject, 2 Body, 3 Cc, 4 Bcc.
    for (int set = 0; set < 32; ++set) {
        MailTexts t;
        if (set & 1) t.to = u"本部 <hq@example.jp>";
        if (set & 2) t.subject = u"ご案内 7/1";
        if (set & 4) t.body = u"皆様へ&ご挨拶";
        if (set & 8) t.cc = u"cc@example.jp";
        if (set & 16) t.bcc = u"me@example.jp";
        std::u16string want = u"mailto:" + t.to + u"?subject=" + t.subject;
        if (set & 4) want += u"&body=皆様へ&ご挨拶%0d%0a";
        if (set & 8) want += u"&cc=cc@example.jp";
        want += u"&bcc=A　様<a@x>,B　様<b@x>";
        if (set & 16) want += u",me@example.jp";
        EXPECT_EQ(ComposeMailTarget(t, u"A　様<a@x>,B　様<b@x>"), want) << set;
    }
    EXPECT_EQ(ComposeMailTarget({}, u"A　様<a@x>"), u"mailto:?subject=&bcc=A　様<a@x>");
}

TEST(MailEveryone, FiftyRecipientsToAMail) {
    struct Case {
        int recipients;
        std::vector<int> perMail;
    };
    const Case cases[] = {{1, {1}}, {50, {50}}, {51, {50, 1}}, {100, {50, 50}}, {101, {50, 50, 1}}};
    for (const Case& c : cases) {
        std::vector<std::u16string> recipients;
        for (int i = 0; i < c.recipients; ++i)
            recipients.push_back(u"P" + ToU16(i) + u"　様<p" + ToU16(i) + u"@x>");
        const std::vector<std::u16string> targets = MailTargets({}, recipients);
        ASSERT_EQ(targets.size(), c.perMail.size()) << c.recipients;
        EXPECT_EQ(MailCount(c.recipients), static_cast<int>(c.perMail.size()));
        int first = 0;
        for (std::size_t m = 0; m < targets.size(); ++m) {
            std::u16string list;
            for (int i = first; i < first + c.perMail[m]; ++i)
                list += (i > first ? u"," : u"") + recipients[static_cast<std::size_t>(i)];
            EXPECT_EQ(targets[m], u"mailto:?subject=&bcc=" + list);
            first += c.perMail[m];
        }
    }
}

EntryValues SampleForm() {
    EntryValues v;
    v.name = u"山田,太郎";
    v.kana = u"やまだ~たろう";
    v.postalCode = u"100-0005";
    v.address = u"東京都千代田区丸の内1-1";
    v.phone = u"03-1234-5678";
    v.mailOrUrl = u"taro@example.jp";
    v.birthText = u"S50.1.1";
    v.birthDate = DateTime{1975, 1, 1};
    v.noMail = true;
    v.noPostcard = true;
    v.expectation = u"○";
    v.votes = u"1,234";
    v.remark1 = u"r1,a";
    v.remark3 = u"r3";
    v.joint1 = u"花子";
    v.joint3 = u"次郎";
    return v;
}

TEST(ClipEntry, NextNumberAfterTheLastLine) {
    const std::u16string last = u"No.0041,x";
    const std::u16string top = u"No.9999,x";
    EXPECT_EQ(NextEntryNumber(nullptr), u"0001");
    EXPECT_EQ(NextEntryNumber(&last), u"0042");
    EXPECT_EQ(NextEntryNumber(&top), u"0000");
}

TEST(ClipEntry, CopiedText) {
    EntryValues v = SampleForm();
    EXPECT_EQ(BuildClipEntryText(u"0042", v, u"2025/01/15 10:00:00"),
              u"No.0042,山田~太郎,やまだ~たろう,100-0005,東京都千代田区丸の内1-1,03-1234-5678,"
              u"taro@example.jp,S50.1.1,1975/01/01,OFF,ON,OFF,ON,2025/01/15 10:00:00,○,1234,"
              u"r1~a,,r3,花子,,次郎");
    // An empty form with the picker in its no-date state.
    EXPECT_EQ(BuildClipEntryText(u"0001", EntryValues{}, u"2025/01/15 10:00:00"),
              u"No.0001,,,,,,,,    /  /  ,OFF,OFF,OFF,OFF,2025/01/15 10:00:00,不明,,,,,,,");
}

TEST(ClipEntry, CopyThenPasteGivesTheFormBack) {
    const EntryValues v = SampleForm();
    const std::optional<LoadedEntry> e =
        ReadClipEntryText(BuildClipEntryText(u"0042", v, u"2025/01/15 10:00:00"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->values.name, u"山田,太郎");
    EXPECT_EQ(e->values.kana, u"やまだ,たろう");  // a typed "~" comes back as ","
    EXPECT_EQ(e->values.remark1, u"r1,a");
    EXPECT_EQ(e->values.votes, u"1,234");
    EXPECT_EQ(e->values.joint1, u"花子");
    EXPECT_EQ(e->values.joint3, u"次郎");
    EXPECT_TRUE(e->values.noMail);
    EXPECT_TRUE(e->values.noPostcard);
    EXPECT_EQ(e->expectationIndex, 0);
    EXPECT_EQ(e->registeredText, u"2025/01/15 10:00:00");
    EXPECT_EQ(e->birthDate.kind, ReadDate::Kind::Date);
}

TEST(ClipEntry, PastedTextsByTheirCommas) {
    struct Case {
        int commas;
        bool accepted;
        std::u16string remark3, joint1, joint2, joint3;
    };
    const Case cases[] = {
        {17, false, u"", u"", u"", u""},
        {18, true, u"f19", u"", u"", u""},
        {19, true, u"f19", u"f20", u"", u""},
        {20, true, u"f19", u"f20", u"f21", u""},
        {21, true, u"f19", u"f20", u"f21", u"f22"},
        {22, true, u"f19", u"f20", u"f21", u"f22"},
    };
    for (const Case& c : cases) {
        std::u16string text = u"No.0001";
        for (int f = 2; f <= c.commas + 1; ++f) text += u",f" + ToU16(f);
        const std::optional<LoadedEntry> e = ReadClipEntryText(text);
        ASSERT_EQ(e.has_value(), c.accepted) << c.commas;
        if (!e) continue;
        EXPECT_EQ(e->values.name, u"f2");
        EXPECT_EQ(e->values.remark2, u"f18");
        EXPECT_EQ(e->values.remark3, c.remark3) << c.commas;
        EXPECT_EQ(e->values.joint1, c.joint1) << c.commas;
        EXPECT_EQ(e->values.joint2, c.joint2) << c.commas;
        EXPECT_EQ(e->values.joint3, c.joint3) << c.commas;
    }
}

TEST(ClipEntry, ForeignTextIsReadWithoutRunningPastItsEnd) {
    // Eighteen commas, but three of them in the first eight characters that are dropped.
    const std::optional<LoadedEntry> e =
        ReadClipEntryText(u"a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->values.name, u"e");
    EXPECT_EQ(e->values.votes, u"s");
    EXPECT_EQ(e->values.remark1, u"");
    EXPECT_EQ(e->values.joint3, u"");
}

TEST(ClipEntry, FirstPastedLine) {
    EXPECT_EQ(FirstPastedLine(u"a,b\r\nc,d"), u"a,b");
    EXPECT_EQ(FirstPastedLine(u"a\nb"), u"a");
    EXPECT_EQ(FirstPastedLine(u"a\tb\x01"
                              u"c"),
              u"abc");
    EXPECT_EQ(FirstPastedLine(std::u16string(u"ab\0cd", 5)), u"ab");
    EXPECT_EQ(FirstPastedLine(u"\r\nx"), u"");
}

// A clipboard whose steps fail as told.
class FakeClipboard : public Clipboard {
public:
    bool openFails = false, emptyFails = false;
    int setError = 0;
    bool open = false;
    std::optional<std::string> text;
    bool HasText() override { return text.has_value(); }
    bool Open() override { return open = !openFails; }
    bool Empty() override { return !emptyFails; }
    int SetText(std::string_view bytes) override {
        if (setError == 0) text = std::string(bytes);
        return setError;
    }
    std::optional<std::string> GetText() override { return text; }
    void Close() override { open = false; }
};

TEST(ClipboardText, PutAndItsFailures) {
    struct Case {
        bool openFails, emptyFails;
        int setError;
        std::u16string message;
    };
    const Case cases[] = {
        {false, false, 0, u""},
        {true, false, 0, u"Cannot open the Clipboard"},
        {false, true, 0, u"Cannot empty the Clipboard"},
        {false, false, 1418, u"Unable to set Clipboard data, error: 1418"},
    };
    for (const Case& c : cases) {
        FakeClipboard clip;
        RecordingBoxes boxes;
        clip.openFails = c.openFails;
        clip.emptyFails = c.emptyFails;
        clip.setError = c.setError;
        EXPECT_EQ(PutClipboardText(clip, boxes, u"03-1234-5678 𠮷"), c.message.empty());
        EXPECT_FALSE(clip.open);
        if (c.message.empty()) {
            EXPECT_TRUE(boxes.shown.empty());
            // Through the code page: the character it lacks is "?".
            EXPECT_EQ(clip.text, std::string("03-1234-5678 ?"));
        } else {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown.front().text, c.message);
        }
    }
}

TEST(ClipboardText, TakeAndItsFailures) {
    FakeClipboard clip;
    RecordingBoxes boxes;
    EXPECT_FALSE(TakeClipboardText(clip, boxes));
    EXPECT_EQ(boxes.shown.back().text, u"Cannot read the Clipboard");
    clip.text = ToCp932(u"山田,太郎");
    clip.openFails = true;
    EXPECT_FALSE(TakeClipboardText(clip, boxes));
    EXPECT_EQ(boxes.shown.back().text, u"Cannot open the Clipboard");
    clip.openFails = false;
    EXPECT_EQ(TakeClipboardText(clip, boxes), u"山田,太郎");
    EXPECT_FALSE(clip.open);
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST(DesktopUrl, PercentEncodesWhatAUrlCannotHold) {
    struct Case {
        std::u16string_view target;
        std::string_view url;
    };
    const Case cases[] = {
        {u"https://www.google.com/maps/search/東京 1-1",
         "https://www.google.com/maps/search/%E6%9D%B1%E4%BA%AC%201-1"},
        {u"https://www.its-mo.com/map/#freeword,,a#b",
         "https://www.its-mo.com/map/#freeword,,a%23b"},
        {u"mailto:?subject=a#b&body=x%0d%0a&bcc=山　様<a@b>",
         "mailto:?subject=a%23b&body=x%0d%0a&bcc=%E5%B1%B1%E3%80%80%E6%A7%98%3Ca@b%3E"},
        {u"http://x/100%/\"{|}^`\\", "http://x/100%25/%22%7B%7C%7D%5E%60%5C"},
        {u"http://x/%4", "http://x/%254"},
        // A quote would end the argument of the opener's command line.
        {u"mailto:?subject=it's", "mailto:?subject=it%27s"},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodeForDesktop(c.target), c.url);
}

}  // namespace
}  // namespace zl
