// Both workbooks written by the real spreadsheet into a temporary folder and read back.
#include <gtest/gtest.h>

#include "../unit/TempFolder.h"
#include "WorkbookFiles.h"
#include "platform/FileSystem.h"
#include "platform/SheetValues.h"
#include "platform/TextUtil.h"
#include "platform/qt/XlsxSpreadsheet.h"

namespace zl::test {
namespace {

namespace fs = std::filesystem;

const std::array<std::u16string, 7> kCaptions = {u"本人含む人数", u"備考１", u"備考２", u"備考３",
                                                 u"連名１",       u"連名２", u"連名３"};
const std::u16string kLongRemark(200, u'長');

std::vector<std::u16string> Roster() {
    return {
        u"No.0001,山田　太郎,やまだ　たろう,100-0005,丸の内1-1~2階,03-1234-5678,,S50.1.5,"
        u"1975/01/05,ON,OFF,OFF,ON,2024/03/05 09:07:41,○,1~200,=HYPERLINK(\"http://x\"),,,,,花子",
        u"No.0002,鈴木,すずき,,,,,,    /  /  ,OFF,OFF,OFF,OFF,2024/03/06 10:00:00,不明,,,,,,,",
        u"No.0003,佐藤,さとう,,,090-1111-2222,,,2030/10/01,OFF,OFF,OFF,OFF,"
        u"2024/03/06 10:00:00,○,2," +
            kLongRemark + u",,,,,",
    };
}

struct Written {
    fs::path file;
    std::map<std::string, XmlCell> cells;
    std::map<int, double> widths;
    std::string styles;
};

Written Read(const std::u16string& file) {
    Written w;
    w.file = PathFromText(file);
    const std::string sheet = ZipPart(w.file, "xl/worksheets/sheet1.xml");
    w.cells = SheetCells(sheet);
    w.widths = ColumnWidths(sheet);
    w.styles = ZipPart(w.file, "xl/styles.xml");
    return w;
}

class WorkbookFile : public ::testing::Test {
protected:
    TempFolder temp{"zorvel-workbook"};
    fs::path folder = temp.path() / "workbooks";
    FixedClock clock{{2025, 1, 15, 13, 5, 22}};
    RecordingShell shell;
    NoProgress progress;
    XlsxSpreadsheet sheet{folder, clock, shell};
};

TEST_F(WorkbookFile, BirthMonthWorkbookReadsBack) {
    ASSERT_TRUE(sheet.Start());
    FillBirthMonthWorkbook(sheet, Roster(), u"全月", kCaptions, clock.Now(), progress);
    const SpreadsheetResult r = sheet.Finish();
    ASSERT_EQ(r.kind, SpreadsheetResult::Kind::Shown) << ToUtf8(r.detail);
    EXPECT_EQ(fs::path(PathFromText(r.file)).filename(), "誕生月『全月』_20250115_130522.xlsx");
    ASSERT_EQ(shell.targets, std::vector<std::u16string>{r.file});

    const Written w = Read(r.file);
    const auto cell = [&](const std::string& ref) {
        auto it = w.cells.find(ref);
        return it == w.cells.end() ? XmlCell{} : it->second;
    };
    // Texts, with the phone's "'" gone and a roster value that begins with "=" kept as text.
    EXPECT_EQ(cell("A1").text, "No.");
    EXPECT_EQ(cell("J1").text, "年齢");
    EXPECT_EQ(cell("W1").text, "連名３");
    EXPECT_EQ(cell("A2").text, "No.0001");
    EXPECT_EQ(cell("E2").text, "丸の内1-1,2階");
    EXPECT_EQ(cell("F2").type, "inlineStr");
    EXPECT_EQ(cell("F2").text, "03-1234-5678");
    EXPECT_EQ(cell("R2").type, "inlineStr");
    EXPECT_EQ(cell("R2").text, "=HYPERLINK(\"http://x\")");
    EXPECT_FALSE(cell("R2").hasFormula);
    EXPECT_EQ(cell("W2").text, "花子");
    EXPECT_EQ(w.cells.count("F3"), 0u);  // "'" alone: nothing
    EXPECT_EQ(cell("I3").text, "    /  /  ");

    // Numbers and dates with the formats that show them as typed.
    EXPECT_EQ(cell("I2").type, "");
    EXPECT_EQ(cell("I2").value, std::to_string(Serial(1975, 1, 5)));
    EXPECT_EQ(StyleOf(w.styles, cell("I2").style).format, "yyyy/mm/dd");
    EXPECT_NEAR(std::stod(cell("O2").value),
                Serial(2024, 3, 5) + (9 * 3600 + 7 * 60 + 41) / 86400.0, 1e-9);
    EXPECT_EQ(StyleOf(w.styles, cell("O2").style).format, "yyyy/mm/dd hh:mm:ss");
    EXPECT_EQ(cell("Q2").value, "1200");
    EXPECT_EQ(StyleOf(w.styles, cell("Q2").style).format, "#,##0");
    EXPECT_EQ(cell("Q4").value, "2");

    // The age formula in A1 form, with the value of the day.
    EXPECT_EQ(cell("J2").formula,
              "IF(I2=\"    /  /  \",\"\",IF(I2>TODAY(),\"?\",DATEDIF(I2,TODAY(),\"Y\")))");
    EXPECT_EQ(cell("J2").value, "50");
    EXPECT_EQ(cell("J3").formula,
              "IF(I3=\"    /  /  \",\"\",IF(I3>TODAY(),\"?\",DATEDIF(I3,TODAY(),\"Y\")))");
    EXPECT_EQ(cell("J3").type, "str");
    EXPECT_EQ(cell("J3").value, "");
    EXPECT_EQ(cell("J4").value, "?");
    EXPECT_EQ(w.cells.count("A5"), 0u);

    // The header is bold over A to W, the entries are not.
    for (const char* ref : {"A1", "J1", "V1", "W1"})
        EXPECT_TRUE(StyleOf(w.styles, cell(ref).style).bold) << ref;
    EXPECT_FALSE(StyleOf(w.styles, cell("A2").style).bold);

    // Widths: the widest text of each column, header included, a long remark capped; W too.
    ASSERT_EQ(w.widths.count(1), 1u);
    EXPECT_NEAR(w.widths.at(1), FittedColumnWidth(7), 1.0);    // "No.0001"
    EXPECT_NEAR(w.widths.at(7), FittedColumnWidth(23), 1.0);   // the mail header
    EXPECT_NEAR(w.widths.at(15), FittedColumnWidth(19), 1.0);  // a date and time
    EXPECT_NEAR(w.widths.at(18), kMaxColumnWidth, 1.0);        // the long remark
    EXPECT_NEAR(w.widths.at(23), FittedColumnWidth(6), 1.0);   // "連名３"
    EXPECT_LT(w.widths.at(1), w.widths.at(7));

    // Nothing but the workbook is left in the folder.
    int files = 0;
    for (const auto& e : fs::directory_iterator(folder)) {
        ++files;
        EXPECT_EQ(e.path().extension(), ".xlsx") << e.path();
    }
    EXPECT_EQ(files, 1);
}

TEST_F(WorkbookFile, ExpectationWorkbookReadsBack) {
    FillExpectationWorkbook(sheet, Roster(), kCaptions, progress);
    const SpreadsheetResult r = sheet.Finish();
    ASSERT_EQ(r.kind, SpreadsheetResult::Kind::Shown) << ToUtf8(r.detail);
    EXPECT_EQ(fs::path(PathFromText(r.file)).filename(), "期待度_20250115_130522.xlsx");
    const Written w = Read(r.file);
    const auto cell = [&](const std::string& ref) {
        auto it = w.cells.find(ref);
        return it == w.cells.end() ? XmlCell{} : it->second;
    };
    EXPECT_EQ(cell("E1").text, "本人含む人数");
    EXPECT_EQ(cell("C2").text, "03-1234-5678");
    EXPECT_EQ(cell("E2").value, "1200");
    EXPECT_EQ(w.cells.count("A5"), 0u);
    EXPECT_EQ(w.cells.count("D5"), 0u);
    const std::pair<const char*, const char*> counts[] = {
        {"6", "○"}, {"7", "△"}, {"8", "×"}, {"9", "不明"}};
    const char* values[] = {"2", "0", "0", "1"};
    for (int i = 0; i < 4; ++i) {
        const std::string row = counts[i].first;
        EXPECT_EQ(cell("C" + row).text, counts[i].second);
        EXPECT_EQ(cell("D" + row).formula,
                  std::string("COUNTIF(D2:D4, \"") + counts[i].second + "\")");
        EXPECT_EQ(cell("D" + row).value, values[i]);
    }
    EXPECT_TRUE(StyleOf(w.styles, cell("E1").style).bold);
    EXPECT_FALSE(StyleOf(w.styles, cell("C6").style).bold);
    EXPECT_EQ(w.widths.count(6), 0u);  // columns F to V hold nothing: left as they are
}

// A second workbook in the same second takes the next free name; the first stays as it was.
TEST_F(WorkbookFile, NeverOverwritesAnEarlierWorkbook) {
    FillExpectationWorkbook(sheet, Roster(), kCaptions, progress);
    const SpreadsheetResult first = sheet.Finish();
    const auto firstBytes = ReadWholeFile(PathFromText(first.file));
    FillExpectationWorkbook(sheet, {Roster()[0]}, kCaptions, progress);
    const SpreadsheetResult second = sheet.Finish();
    ASSERT_EQ(second.kind, SpreadsheetResult::Kind::Shown);
    EXPECT_EQ(fs::path(PathFromText(second.file)).filename(), "期待度_20250115_130522_2.xlsx");
    EXPECT_EQ(ReadWholeFile(PathFromText(first.file)), firstBytes);
    EXPECT_EQ(shell.targets.size(), 2u);
}

TEST_F(WorkbookFile, KeptButNotOpened) {
    RecordingShell refusing(2);
    XlsxSpreadsheet s(folder, clock, refusing);
    FillExpectationWorkbook(s, Roster(), kCaptions, progress);
    const SpreadsheetResult r = s.Finish();
    EXPECT_EQ(r.kind, SpreadsheetResult::Kind::NotShown);
    EXPECT_TRUE(fs::exists(PathFromText(r.file)));
}

// The folder cannot be created, or the workbook cannot be written into it: nothing is left
// under the final name, and the roster lines are untouched.
TEST_F(WorkbookFile, WriteFailures) {
    WriteBytes(folder, "a file where the folder should be");
    XlsxSpreadsheet blocked(folder / "workbooks", clock, shell);
    FillExpectationWorkbook(blocked, Roster(), kCaptions, progress);
    SpreadsheetResult r = blocked.Finish();
    EXPECT_EQ(r.kind, SpreadsheetResult::Kind::NotWritten);
    EXPECT_FALSE(r.file.empty());
    EXPECT_TRUE(shell.targets.empty());

    // A name the file system refuses (longer than a file name may be): libxlsxwriter fails.
    XlsxSpreadsheet refused(temp.path(), clock, shell);
    refused.AddWorkbook(std::u16string(300, u'x'));
    refused.PutValue(1, 1, u"a");
    r = refused.Finish();
    EXPECT_EQ(r.kind, SpreadsheetResult::Kind::NotWritten);
    EXPECT_FALSE(r.detail.empty());
    EXPECT_TRUE(shell.targets.empty());
    for (const auto& e : fs::directory_iterator(temp.path()))
        EXPECT_EQ(e.path(), folder) << "left behind: " << e.path();
}

}  // namespace
}  // namespace zl::test
