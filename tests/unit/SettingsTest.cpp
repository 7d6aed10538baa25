#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "app/ProfileFile.h"
#include "app/Settings.h"
#include "platform/CodePage932.h"
#include "platform/FileSystem.h"
#include "platform/TextUtil.h"
#include "tests/unit/TempFolder.h"

namespace zl {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = temp.path();
        ini = dir / "zorvel.ini";
    }

    void WriteIni(std::string_view bytes) { WriteBytes(ini, bytes); }
    std::string IniBytes() const { return ReadWholeFile(ini).value_or("<missing>"); }

    TempFolder temp{"zorvel-ini"};
    fs::path dir, ini;
};

TEST_F(SettingsFileTest, ProfileStringReading) {
    const std::string file = ToCp932(
        u"; comment line\r\n"
        u"[window]\r\n"
        u"TITLE=first\r\n"
        u"Title=second\r\n"
        u"  Spaced  =   a value with  inner  blanks \t \r\n"
        u"Quoted=\"  kept blanks \"\r\n"
        u"Single='x'\r\n"
        u"Mismatched=\"x'\r\n"
        u"LoneQuote=\"\r\n"
        u"Empty=\r\n"
        u"Japanese=選挙事務所\r\n"
        u"名前=値\r\n"
        u"NoEquals\r\n"
        u"[Other]\n"
        u"Only=other\n"
        u"[Window]\r\n"
        u"Late=second section of the same name\r\n");
    WriteIni(file);
    struct Case {
        std::u16string section, key, expected;
    };
    const Case cases[] = {
        {u"Window", u"Title", u"first"},  // case-insensitive, first match wins
        {u"WINDOW", u"title", u"first"},
        {u"Window", u"Spaced", u"a value with  inner  blanks"},
        {u"Window", u"Quoted", u"  kept blanks "},
        {u"Window", u"Single", u"x"},
        {u"Window", u"Mismatched", u"\"x'"},
        {u"Window", u"LoneQuote", u"\""},
        {u"Window", u"Empty", u""},
        {u"Window", u"Japanese", u"選挙事務所"},
        {u"Window", u"名前", u"値"},
        {u"Window", u"NoEquals", u"(default)"},
        {u"Window", u"Only", u"(default)"},  // another section's key
        {u"Window", u"Late", u"(default)"},  // only the first section of a name is read
        {u"Other", u"only", u"other"},       // LF line ends
        {u"Missing", u"Title", u"(default)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetProfileString(ini, c.section, c.key, u"(default)"), c.expected)
            << ToUtf8(c.key);
    EXPECT_EQ(GetProfileString(dir / "none.ini", u"Window", u"Title", u"(default)"), u"(default)");
}

TEST_F(SettingsFileTest, ValuesAreCutTo511BytesWithoutSplittingACharacter) {
    struct Case {
        std::u16string value, expected;
    };
    const std::u16string ascii600(600, u'a');
    const std::u16string kanji300(300, u'漢');  // 600 bytes
    const Case cases[] = {
        {ascii600, ascii600.substr(0, 511)},
        {kanji300, kanji300.substr(0, 255)},  // 510 bytes: the 256th would be half in
        {u"a" + kanji300, u"a" + kanji300.substr(0, 255)},
        {std::u16string(511, u'b'), std::u16string(511, u'b')},
        {std::u16string(509, u'c') + u"ｱ漢", std::u16string(509, u'c') + u"ｱ"},
    };
    for (const auto& c : cases) {
        WriteIni("[Window]\r\nTitle=" + ToCp932(c.value) + "\r\n");
        std::u16string got = GetProfileString(ini, u"Window", u"Title", u"");
        EXPECT_EQ(got, c.expected);
        EXPECT_LE(Cp932Length(got), 511u);
    }
}

TEST_F(SettingsFileTest, DefaultsWithoutAFile) {
    Settings s = ReadSettings(ini);
    EXPECT_FALSE(s.operationLog);
    EXPECT_EQ(s.title, u"Zorvel List");
    EXPECT_FALSE(s.transcriptionMode);
    EXPECT_FALSE(s.transcriptionModeDisplay);
    EXPECT_FALSE(s.timeStampAdd);
    EXPECT_FALSE(s.timeStampRev);
    EXPECT_FALSE(s.nameClear);
    EXPECT_FALSE(s.onlyFirstName);
    EXPECT_TRUE(s.addressRemarks3);
    EXPECT_FALSE(s.selectChangeMap);
    EXPECT_FALSE(s.selectChangeUrl);
    EXPECT_FALSE(s.doubleClickMap);
    EXPECT_FALSE(s.doubleClickUrl);
    EXPECT_EQ(s.join, u"本人含む人数");
    EXPECT_EQ(s.joinTotal, u"期待参加者");
    EXPECT_EQ(s.joint1, u"連名１");
    EXPECT_EQ(s.joint2, u"連名２");
    EXPECT_EQ(s.joint3, u"連名３");
    EXPECT_EQ(s.remarks1, u"備考１");
    EXPECT_EQ(s.remarks2, u"備考２");
    EXPECT_EQ(s.remarks3, u"備考３");
    EXPECT_FALSE(s.banchiRemove);
    EXPECT_TRUE(s.imeControl);
    EXPECT_TRUE(s.deleteDialog);
    EXPECT_TRUE(s.jointAddDialog);
    EXPECT_TRUE(s.branchNumber);
    EXPECT_EQ(s.sponsor, kDefaultSponsor);
    EXPECT_EQ(s.sponsor, u"https://www.soumu.go.jp/");
    EXPECT_EQ(s.mailTo, u"");
    EXPECT_EQ(s.mailBody, u"");
    EXPECT_FALSE(fs::exists(ini));  // reading creates nothing
}

// Each switch with a value (nullptr: key absent) and the state it gives.
TEST_F(SettingsFileTest, SwitchRules) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        bool expected;
        bool Settings::*field;
    };
    const Case cases[] = {
        {"Log", "OperationLog", "ON", true, &Settings::operationLog},
        {"Log", "OperationLog", "on", false, &Settings::operationLog},
        {"Log", "OperationLog", "On", false, &Settings::operationLog},
        {"Log", "OperationLog", "1", false, &Settings::operationLog},
        {"Log", "OperationLog", "", false, &Settings::operationLog},
        {"Log", "OperationLog", " ON ", true, &Settings::operationLog},  // blanks removed
        {"Clear", "AddressRemarks3", nullptr, true, &Settings::addressRemarks3},
        {"Clear", "AddressRemarks3", "", false, &Settings::addressRemarks3},
        {"Clear", "AddressRemarks3", "on", false, &Settings::addressRemarks3},
        {"Window", "ImeControl", "OFF", false, &Settings::imeControl},
        {"Clear", "OnlyFirstName", "OFF", false, &Settings::onlyFirstName},
        {"Clear", "OnlyFirstName", "off", true, &Settings::onlyFirstName},
        {"Clear", "OnlyFirstName", "", true, &Settings::onlyFirstName},
        {"Clear", "OnlyFirstName", "ON", true, &Settings::onlyFirstName},
        {"Window", "TranscriptionModeDispaly", "ON", true, &Settings::transcriptionModeDisplay},
        {"Window", "TranscriptionModeDispaly", "OFF", false, &Settings::transcriptionModeDisplay},
        {"Window", "TranscriptionModeDisplay", "ON", false, &Settings::transcriptionModeDisplay},
        {"Window", "TranscriptionMode", "ON", true, &Settings::transcriptionMode},
        {"Link", "DoubleClickUrl", "ON", true, &Settings::doubleClickUrl},
        {"Window", "BranchNumber", "Off", false, &Settings::branchNumber},
    };
    for (const auto& c : cases) {
        std::string file = std::string("[") + c.section + "]\r\n";
        if (c.value) file += std::string(c.key) + "=" + c.value + "\r\n";
        WriteIni(file);
        EXPECT_EQ(ReadSettings(ini).*c.field, c.expected)
            << c.key << "=" << (c.value ? c.value : "(absent)");
    }
}

TEST_F(SettingsFileTest, TextValues) {
    WriteIni(
        ToCp932(u"[Window]\r\nSponsor=\r\nTitle=後援会名簿\r\nJoint1=世帯主\r\n"
                u"[Mail]\r\nSubject=ご案内\r\nBody=本文～です\r\nBcc=a@example.jp\r\n"));
    Settings s = ReadSettings(ini);
    EXPECT_EQ(s.sponsor, u"");  // an empty value hides the link
    EXPECT_EQ(s.title, u"後援会名簿");
    EXPECT_EQ(s.joint1, u"世帯主");
    EXPECT_EQ(s.joint2, u"連名２");
    EXPECT_EQ(s.mailSubject, u"ご案内");
    EXPECT_EQ(s.mailBody, u"本文～です");
    EXPECT_EQ(s.mailBcc, u"a@example.jp");
}

TEST_F(SettingsFileTest, WriteBackChangesOnlyItsKey) {
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"missing file", "<none>", "[Window]\r\nTranscriptionMode=ON\r\n"},
        {"value replaced in place",
         "; keep me\r\n[Log]\nOperationLog=ON\n[window]\r\n  transcriptionmode = OFF\r\n"
         "Title=x \r\n",
         "; keep me\r\n[Log]\nOperationLog=ON\n[window]\r\n  transcriptionmode =ON\r\n"
         "Title=x \r\n"},
        {"key added to its section", "[Window]\r\nTitle=x\r\n\r\n[Clear]\r\nNameClear=ON\r\n",
         "[Window]\r\nTitle=x\r\nTranscriptionMode=ON\r\n\r\n[Clear]\r\nNameClear=ON\r\n"},
        {"key added to a last section without line end", "[Window]\r\nTitle=x",
         "[Window]\r\nTitle=x\r\nTranscriptionMode=ON\r\n"},
        {"section added", "[Log]\r\nOperationLog=OFF",
         "[Log]\r\nOperationLog=OFF\r\n[Window]\r\n"
         "TranscriptionMode=ON\r\n"},
        {"only the first key of that name",
         "[Window]\nTranscriptionMode=OFF\nTranscriptionMode=X\n",
         "[Window]\nTranscriptionMode=ON\nTranscriptionMode=X\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(ini);
        if (c.before != "<none>") WriteIni(c.before);
        WriteTranscriptionMode(ini, true);
        EXPECT_EQ(IniBytes(), c.after);
        EXPECT_TRUE(ReadSettings(ini).transcriptionMode);
    }

    fs::remove(ini);
    WriteNameClear(ini, true);
    WriteNameClear(ini, false);
    EXPECT_EQ(IniBytes(), "[Clear]\r\nNameClear=OFF\r\n");
    EXPECT_FALSE(ReadSettings(ini).nameClear);
}

TEST_F(SettingsFileTest, WriteFailsWithoutReplacingAnUnreadableFile) {
    fs::create_directory(ini);  // cannot be read
    EXPECT_FALSE(WriteProfileString(ini, u"Window", u"TranscriptionMode", u"ON"));
    EXPECT_TRUE(fs::is_directory(ini));
    EXPECT_FALSE(WriteProfileString(dir / "no" / "such.ini", u"A", u"B", u"C"));
}

}  // namespace
}  // namespace zl
