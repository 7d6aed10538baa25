#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "export/Workbooks.h"
#include "platform/SheetValues.h"
#include "platform/TextUtil.h"

namespace zl {
namespace {

using Kind = TypedValue::Kind;

TEST(TypedInput, ReadsNumbersDatesAndTexts) {
    struct Case {
        const char16_t* typed;
        Kind kind;
        double number;
        const char* format;
    } cases[] = {
        {u"", Kind::Empty, 0, ""},
        {u"1200", Kind::Number, 1200, ""},
        {u"1,000", Kind::Number, 1000, "#,##0"},
        {u"1,234,567", Kind::Number, 1234567, "#,##0"},
        {u"-1,234.50", Kind::Number, -1234.5, "#,##0.00"},
        {u"+7", Kind::Number, 7, ""},
        {u"-0", Kind::Number, 0, ""},
        {u"007", Kind::Number, 7, ""},
        {u"3.25", Kind::Number, 3.25, "0.00"},
        {u".5", Kind::Number, 0.5, "0.0"},
        {u"-.5", Kind::Number, -0.5, "0.0"},
        {u"12.", Kind::Number, 12, ""},
        {u"09012345678", Kind::Number, 9012345678.0, ""},
        // Separators out of their groups of three, signs alone, other forms: text.
        {u"1,00", Kind::Text, 0, ""},
        {u"1234,567", Kind::Text, 0, ""},
        {u",123", Kind::Text, 0, ""},
        {u"1,000,", Kind::Text, 0, ""},
        {u"-", Kind::Text, 0, ""},
        {u".", Kind::Text, 0, ""},
        {u"-.", Kind::Text, 0, ""},
        {u"1.2.3", Kind::Text, 0, ""},
        {u" 12", Kind::Text, 0, ""},
        {u"１２", Kind::Text, 0, ""},
        {u"03-1234-5678", Kind::Text, 0, ""},
        {u"100-0005", Kind::Text, 0, ""},
        {u"No.0001", Kind::Text, 0, ""},
        {u"1e5", Kind::Text, 0, ""},
        {u"=1+1", Kind::Text, 0, ""},
        {u"=HYPERLINK(\"http://x\")", Kind::Text, 0, ""},
        {u"    /  /  ", Kind::Text, 0, ""},
        {u"'03-1234-5678", Kind::Text, 0, ""},
        {u"'0123", Kind::Text, 0, ""},
        {u"'", Kind::Text, 0, ""},
        {u"'=1+1", Kind::Text, 0, ""},
    };
    for (const Case& c : cases) {
        const TypedValue v = ReadTypedInput(c.typed);
        SCOPED_TRACE(ToUtf8(c.typed));
        EXPECT_EQ(v.kind, c.kind);
        if (c.kind == Kind::Number) {
            EXPECT_DOUBLE_EQ(v.number, c.number);
        }
        EXPECT_EQ(v.format, c.format);
    }
    EXPECT_EQ(ReadTypedInput(u"'03-1234-5678").text, u"03-1234-5678");
    EXPECT_EQ(ReadTypedInput(u"'").text, u"");
    EXPECT_EQ(ReadTypedInput(u"=1+1").text, u"=1+1");
    EXPECT_FALSE(std::signbit(ReadTypedInput(u"-0").number));
}

TEST(TypedInput, ReadsDatesAndTimes) {
    struct Case {
        const char16_t* typed;
        Kind kind;
        DateTime date;
        const char* format;
    } cases[] = {
        {u"1975/01/05", Kind::Date, {1975, 1, 5, 0, 0, 0}, "yyyy/mm/dd"},
        {u"1975/1/5", Kind::Date, {1975, 1, 5, 0, 0, 0}, "yyyy/mm/dd"},
        {u"2000/02/29", Kind::Date, {2000, 2, 29, 0, 0, 0}, "yyyy/mm/dd"},
        {u"1900/01/01", Kind::Date, {1900, 1, 1, 0, 0, 0}, "yyyy/mm/dd"},
        {u"2024/03/05 09:07:41", Kind::DateTime, {2024, 3, 5, 9, 7, 41}, "yyyy/mm/dd hh:mm:ss"},
        {u"2024/3/5 9:07", Kind::DateTime, {2024, 3, 5, 9, 7, 0}, "yyyy/mm/dd hh:mm"},
        {u"2024/03/05 23:59:59", Kind::DateTime, {2024, 3, 5, 23, 59, 59}, "yyyy/mm/dd hh:mm:ss"},
    };
    for (const Case& c : cases) {
        const TypedValue v = ReadTypedInput(c.typed);
        SCOPED_TRACE(ToUtf8(c.typed));
        EXPECT_EQ(v.kind, c.kind);
        EXPECT_EQ(v.date, c.date);
        EXPECT_EQ(v.format, c.format);
    }
    // No such day, years before 1900, two-digit years, bad times, extra text: text.
    for (const char16_t* text :
         {u"2023/02/29", u"1975/13/01", u"1975/00/10", u"1899/12/31", u"75/1/5", u"1975/01/05 ",
          u"1975/01/05 24:00", u"1975/01/05 9:7", u"1975/01/05 09:07:60", u"1975/01/05 09:07:4",
          u"1975-01-05", u"1975/01/05x", u"10000/01/01", u"    /  /  "})
        EXPECT_EQ(ReadTypedInput(text).kind, Kind::Text) << ToUtf8(text);
}

TEST(SheetFormula, R1C1ToA1) {
    struct Case {
        const char16_t* r1c1;
        int row, column;
        const char16_t* a1;
    } cases[] = {
        {kAgeFormula.data(), 5, 10,
         u"=IF(I5=\"    /  /  \",\"\",IF(I5>TODAY(),\"?\",DATEDIF(I5,TODAY(),\"Y\")))"},
        {kAgeFormula.data(), 2, 10,
         u"=IF(I2=\"    /  /  \",\"\",IF(I2>TODAY(),\"?\",DATEDIF(I2,TODAY(),\"Y\")))"},
        {kAgeFormula.data(), 100001, 10,
         u"=IF(I100001=\"    /  /  \",\"\",IF(I100001>TODAY(),\"?\",DATEDIF(I100001,TODAY(),"
         u"\"Y\")))"},
        {u"=COUNTIF(R[-11]C:R[-2]C, \"○\")", 13, 4, u"=COUNTIF(D2:D11, \"○\")"},
        {u"=COUNTIF(R[-2]C:R[-2]C, \"○\")", 4, 4, u"=COUNTIF(D2:D2, \"○\")"},
        {u"=COUNTIF(R[-14]C:R[-5]C, \"不明\")", 16, 4, u"=COUNTIF(D2:D11, \"不明\")"},
        {u"=R1C1+R[1]C[1]+RC+r2c3", 3, 2, u"=$A$1+C4+B3+$C$2"},
        {u"=RC[26]+RC[-1]", 1, 1, u"=AA1+#REF!"},
        {u"=R[-1]C", 1, 1, u"=#REF!"},
        // Names and texts that look like references stay as they are.
        {u"=TRUE+ROUND(RC1C,0)&\"RC[-1]\"&\"a\"\"RC\"", 2, 2,
         u"=TRUE+ROUND(RC1C,0)&\"RC[-1]\"&\"a\"\"RC\""},
        {u"=SUM(R2C:R3C)+XRC", 5, 3, u"=SUM(C$2:C$3)+XRC"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(R1C1ToA1(c.r1c1, c.row, c.column), c.a1) << ToUtf8(c.r1c1);
}

TEST(SheetFormula, ColumnNames) {
    const std::pair<int, const char16_t*> cases[] = {{1, u"A"},       {22, u"V"},  {23, u"W"},
                                                     {26, u"Z"},      {27, u"AA"}, {52, u"AZ"},
                                                     {16384, u"XFD"}, {0, u""}};
    for (const auto& [column, name] : cases) EXPECT_EQ(ColumnName(column), name) << column;
}

// The formats of the count rows, for one entry (rows 4 to 7) and for ten (rows 13 to 16).
TEST(ExpectationWorkbook, CountFormulas) {
    struct Case {
        int n;
        const char16_t* formulas[4];
    } cases[] = {
        {1,
         {u"=COUNTIF(R[-2]C:R[-2]C, \"○\")", u"=COUNTIF(R[-3]C:R[-3]C, \"△\")",
          u"=COUNTIF(R[-4]C:R[-4]C, \"×\")", u"=COUNTIF(R[-5]C:R[-5]C, \"不明\")"}},
        {10,
         {u"=COUNTIF(R[-11]C:R[-2]C, \"○\")", u"=COUNTIF(R[-12]C:R[-3]C, \"△\")",
          u"=COUNTIF(R[-13]C:R[-4]C, \"×\")", u"=COUNTIF(R[-14]C:R[-5]C, \"不明\")"}},
    };
    for (const Case& c : cases)
        for (int l = 0; l < 4; ++l) {
            const int row = c.n + 3 + l;
            const std::u16string formula = CountFormula(kExpectationLabels[l], row, c.n + 1);
            EXPECT_EQ(formula, c.formulas[l]) << c.n << " " << l;
            // Every count covers the entry rows 2 to n + 1.
            EXPECT_EQ(R1C1ToA1(formula, row, 4), u"=COUNTIF(D2:D" + ToU16(c.n + 1) + u", \"" +
                                                     std::u16string(kExpectationLabels[l]) +
                                                     u"\")");
        }
}

TEST(BirthMonthWorkbook, HeaderPieces) {
    EXPECT_EQ(kWorkbookHeaderNames.size(), 91u);
    const std::array<std::u16string, 7> defaults = {
        u"本人含む人数", u"備考１", u"備考２", u"備考３", u"連名１", u"連名２", u"連名３"};
    std::vector<std::u16string> pieces = CutAtCommas(WorkbookHeaderText(defaults), 23);
    ASSERT_EQ(pieces.size(), 23u);
    EXPECT_EQ(pieces[9], u"年齢");
    EXPECT_EQ(pieces[16], u"本人含む人数");
    EXPECT_EQ(pieces[22], u"連名３");

    // A comma in a caption moves the later ones on; the 24th piece is dropped; "~" stays.
    const std::array<std::u16string, 7> configured = {u"票数,内訳", u"備考~A", u"",      u"備考３",
                                                      u"連名１",    u"連名２", u"連名３"};
    pieces = CutAtCommas(WorkbookHeaderText(configured), 23);
    ASSERT_EQ(pieces.size(), 23u);
    EXPECT_EQ(pieces[16], u"票数");
    EXPECT_EQ(pieces[17], u"内訳");
    EXPECT_EQ(pieces[18], u"備考~A");
    EXPECT_EQ(pieces[19], u"");
    EXPECT_EQ(pieces[22], u"連名２");

    EXPECT_EQ(CutAtCommas(u"a,b", 5), (std::vector<std::u16string>{u"a", u"b"}));
    EXPECT_EQ(CutAtCommas(u"", 5), std::vector<std::u16string>{});
}

TEST(BirthMonthWorkbook, AgeOnTheDayOfTheExport) {
    const DateTime today{2025, 2, 28, 10, 0, 0};
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"1975/02/28", u"50"},         {u"1975/03/01", u"49"}, {u"2025/02/28", u"0"},
        {u"2025/03/01", u"?"},          {u"2000/02/29", u"24"}, {u"    /  /  ", u""},
        {u"2025/02/28 09:00:00", u"?"}, {u"unknown", u"?"},     {u"", u""},
    };
    for (const auto& [birth, age] : cases) EXPECT_EQ(AgeToday(birth, today), age) << ToUtf8(birth);
    EXPECT_EQ(WholeYears({2000, 2, 29}, {2025, 3, 1}), 25);
    EXPECT_EQ(WholeYears({2000, 2, 29}, {2024, 2, 29}), 24);
}

TEST(SheetColumns, WidthsOfJapaneseTexts) {
    const std::pair<const char16_t*, int> cases[] = {
        {u"", 0},
        {u"No.0001", 7},
        {u"山田　太郎", 10},
        {u"ﾃﾞｰﾀ", 4},
        {u"○", 2},
        {u"不明", 4},
        {u"1,200", 5},
        {u"Eメール or ホームページ", 23},
        {u"𠮷野", 4},
        {u"生年月日（記入）", 16},
    };
    for (const auto& [text, width] : cases) EXPECT_EQ(DisplayWidth(text), width) << ToUtf8(text);
    EXPECT_DOUBLE_EQ(FittedColumnWidth(7), 9);
    EXPECT_DOUBLE_EQ(FittedColumnWidth(500), kMaxColumnWidth);
}

// What the exports hand the spreadsheet and the progress bar, recorded.
class Recorder : public Spreadsheet, public ExportProgress {
public:
    bool Start() override { return true; }
    void AddWorkbook(std::u16string_view title) override {
        log.push_back(u"add " + std::u16string(title));
    }
    void PutValue(int row, int, std::u16string_view) override { lastRow = std::max(lastRow, row); }
    void PutFormula(int row, int, std::u16string_view, std::u16string_view value) override {
        lastRow = std::max(lastRow, row);
        values.emplace_back(value);
    }
    void MakeBold(int, int, int, int lastColumn) override {
        log.push_back(u"bold " + ToU16(lastColumn));
    }
    void FitColumns(int, int lastColumn) override { log.push_back(u"fit " + ToU16(lastColumn)); }
    SpreadsheetResult Finish() override { return {}; }
    void Begin(int high) override { log.push_back(u"begin " + ToU16(high)); }
    void Step(int position) override { log.push_back(u"step " + ToU16(position)); }
    void End() override { log.push_back(u"end"); }
    std::vector<std::u16string> log, values;
    int lastRow = 0;
};

// Every line advances the progress, matching or not; the bar is hidden before the formatting.
TEST(Workbooks, ProgressAndFormattingOrder) {
    const std::u16string tail = u",OFF,OFF,OFF,OFF,2024/03/05 09:07:41,○,1,,,,,,";
    const std::vector<std::u16string> lines = {u"No.0001,a,,,,,,,1975/10/01" + tail,
                                               u"No.0002,b,,,,,,,1975/01/05" + tail,
                                               u"No.0003,c,,,,,,,    /  /  " + tail};
    const std::array<std::u16string, 7> captions{};
    Recorder birth;
    FillBirthMonthWorkbook(birth, lines, u" 1月", captions, {2025, 1, 15}, birth);
    EXPECT_EQ(birth.log,
              (std::vector<std::u16string>{u"add 誕生月『 1月』", u"begin 2", u"step 0", u"step 1",
                                           u"step 2", u"end", u"bold 23", u"fit 23"}));
    EXPECT_EQ(birth.lastRow, 2);
    EXPECT_EQ(birth.values, std::vector<std::u16string>{u"50"});

    Recorder counts;
    FillExpectationWorkbook(counts, lines, captions, counts);
    EXPECT_EQ(counts.log,
              (std::vector<std::u16string>{u"add 期待度", u"begin 3", u"step 0", u"step 1",
                                           u"step 2", u"end", u"bold 22", u"fit 22"}));
    EXPECT_EQ(counts.lastRow, 9);
    EXPECT_EQ(counts.values, (std::vector<std::u16string>{u"3", u"0", u"0", u"0"}));
}

}  // namespace
}  // namespace zl
