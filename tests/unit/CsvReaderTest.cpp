// The files of the three CSV exports, written by the commands for a roster of awkward values,
// read back with a strict RFC 4180 reader: each line has the layout's number of columns and
// the values the entries hold.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "TempFolder.h"
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "export/CsvLines.h"
#include "platform/CodePage932.h"
#include "platform/FileSystem.h"
#include "roster/RosterLine.h"
#include "tests/unit/MemoryControls.h"

namespace zl {
namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::u16string>;

// RFC 4180: records end with CR LF; a field is either free of quotes, commas and line breaks,
// or between double quotes with its double quotes doubled. Anything else fails the test.
std::vector<Row> ReadCsv(const std::string& bytes) {
    const std::u16string text = FromCp932(bytes);
    std::vector<Row> rows;
    std::size_t i = 0;
    while (i < text.size()) {
        Row row;
        while (true) {
            std::u16string field;
            if (i < text.size() && text[i] == u'"') {
                ++i;
                while (true) {
                    if (i >= text.size()) {
                        ADD_FAILURE() << "unterminated quoted field";
                        return rows;
                    }
                    if (text[i] == u'"') {
                        if (i + 1 < text.size() && text[i + 1] == u'"') {
                            field += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    field += text[i++];
                }
            } else {
                while (i < text.size() && text[i] != u',' && text[i] != u'\r') {
                    if (text[i] == u'"' || text[i] == u'\n') {
                        ADD_FAILURE() << "quote or line break in an unquoted field";
                        return rows;
                    }
                    field += text[i++];
                }
            }
            row.push_back(field);
            if (i < text.size() && text[i] == u',') {
                ++i;
                continue;
            }
            if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') {
                i += 2;
                break;
            }
            ADD_FAILURE() << "a field is not followed by a comma or CR LF";
            return rows;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

class Window : public MemoryControls {
public:
    Window() { listSelection = 0; }
};

// Every value as it reads back: a stored comma restored, what code page 932 lacks as "?".
std::u16string ReadBack(std::u16string_view stored) {
    return FromCp932(ToCp932(DecodeFieldText(stored)));
}

const std::vector<std::u16string> kRoster = {
    u"No.0001,山田　太郎,や~ま\"だ,100-0001,東京都中央区1~2　\"中央\"ビル,03-1111-2222,a@b.jp,"
    u"S50.1.5,1975/01/05,ON,OFF,OFF,OFF,2024/04/01 10:00:00,○,3,A~B,\"引用\",～波,花~子,,😀ß",
    u"No.0002,,,,,,,,    /  /  ,OFF,OFF,OFF,OFF,2024/04/01 10:00:00,不明,1,,,,,,",
    u"No.0003,髙橋　😀,~,, 中央 1,\",~~,,1980/01/31,OFF,OFF,OFF,OFF,2024/04/01 10:00:00,×,0,=1+2,"
    u"-3,@x,七文字の名前だ,a\"b,~",
};

class CsvReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Platform p;
        p.controls = &window;
        p.boxes = &boxes;
        p.saveDialog = &dialog;
        p.clock = &clock;
        dlg = std::make_unique<CzorvelDlg>(p, nullptr);
        dlg->roster().Assign(kRoster);
        window.texts[id::kJoinLabel] = u"【 期待度 本人含む票数 】";
        window.texts[id::kRemark2Label] = u"【 備考,\"2\" 】";
    }
    std::vector<Row> Export(void (CzorvelDlg::*command)(), const char* name) {
        const fs::path file = folder.path() / name;
        dialog.path = PathText(file);
        (dlg.get()->*command)();
        const std::optional<std::string> bytes = ReadWholeFile(file);
        EXPECT_TRUE(bytes) << name;
        return bytes ? ReadCsv(*bytes) : std::vector<Row>{};
    }

    TempFolder folder{"zorvel-csv"};
    Window window;
    RecordingBoxes boxes;
    FixedDialog dialog;
    FixedClock clock;
    std::unique_ptr<CzorvelDlg> dlg;
};

TEST_F(CsvReaderTest, BirthMonthCsvHasAllFields) {
    const std::vector<Row> rows = Export(&CzorvelDlg::OnBnClickedButtonCsvExport, "month.csv");
    ASSERT_EQ(rows.size(), 1 + kRoster.size());
    ASSERT_EQ(rows[0].size(), 22u);
    EXPECT_EQ(rows[0][15], u"本人含む票数");
    EXPECT_EQ(rows[0][17], u"備考,\"2\"");
    for (std::size_t i = 0; i < kRoster.size(); ++i) {
        ASSERT_EQ(rows[i + 1].size(), 22u) << i;
        for (int f = 1; f <= kFieldCount; ++f)
            EXPECT_EQ(rows[i + 1][f - 1], ReadBack(GetField(f, kRoster[i]).text)) << i << " " << f;
    }
    EXPECT_EQ(rows[3][1], u"髙橋　?");
}

TEST_F(CsvReaderTest, BulkMailCsvHasEightColumns) {
    const std::vector<Row> rows = Export(&CzorvelDlg::OnBnClickedButtonBulkMailCsv, "mail.csv");
    ASSERT_EQ(rows.size(), 1 + kRoster.size());
    for (std::size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(rows[i].size(), 8u) << i;
    EXPECT_EQ(rows[0][7], u"携帯電話メールアドレス");
    for (std::size_t i = 0; i < kRoster.size(); ++i) {
        for (int f = 1; f <= 7; ++f)
            EXPECT_EQ(rows[i + 1][f - 1], ReadBack(GetField(f, kRoster[i]).text)) << i << " " << f;
        EXPECT_EQ(rows[i + 1][7], i == 0 ? u"○" : u"");
    }
}

TEST_F(CsvReaderTest, LabelCsvHasSeventeenColumns) {
    const std::vector<Row> rows = Export(&CzorvelDlg::OnBnClickedButtonLabelCsv, "label.csv");
    ASSERT_EQ(rows.size(), kRoster.size());
    for (std::size_t i = 0; i < kRoster.size(); ++i) {
        const std::u16string& line = kRoster[i];
        auto field = [&line](RosterField f) { return GetField(f, line).text; };
        auto back = [](std::u16string_view s) { return FromCp932(ToCp932(DecodeFieldText(s))); };
        const std::u16string name = field(RosterField::Name);
        const std::u16string addressText = field(RosterField::Address);
        const LabelAddress address = SplitLabelAddress(addressText);
        Row expected = {name,
                        field(RosterField::PostalCode),
                        std::u16string(address.first),
                        std::u16string(address.second),
                        u"",
                        u"[ " + field(RosterField::No) + u" ]",
                        u"",
                        name,
                        u"　様"};
        for (RosterField j : {RosterField::Joint1, RosterField::Joint2, RosterField::Joint3}) {
            const LabelJoint joint = LabelJointLayout(name, field(j));
            expected.push_back(std::u16string(joint.padding, u'　') + field(j));
            expected.push_back(joint.honorific ? u"　様" : u"");
        }
        expected.push_back(field(RosterField::Remark1));
        expected.push_back(field(RosterField::Remark2));
        for (std::u16string& e : expected) e = back(e);
        EXPECT_EQ(rows[i], expected) << i;
    }
    // The address split at the full-width space, the quoted parts, the padded joint names.
    EXPECT_EQ(rows[0][2], u"東京都中央区1,2");
    EXPECT_EQ(rows[0][3], u"\"中央\"ビル");
    EXPECT_EQ(rows[0][9], u"　　　花,子");
    EXPECT_EQ(rows[0][13], u"　　　??");
    EXPECT_EQ(rows[2][2], u" 中央 1");
    EXPECT_EQ(rows[2][9], u"七文字の名前だ");
    EXPECT_EQ(rows[2][10], u"");
    EXPECT_EQ(rows[2][11], u"　　　a\"b");
    EXPECT_EQ(rows[2][13], u"　　　,");
    EXPECT_EQ(rows[2][15], u"=1+2");
}

}  // namespace
}  // namespace zl
