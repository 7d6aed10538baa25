// A real spreadsheet program computes the workbooks: LibreOffice Calc converts both to CSV, and
// the ages, the counts and the kept texts are checked. The workbooks are written with the
// values of another day, so only a recalculation gives the right ages. Runs where soffice is
// installed (ZORVEL_SOFFICE), with a profile folder of its own.
#include <gtest/gtest.h>

#include <ctime>

#include "../unit/TempFolder.h"
#include "WorkbookFiles.h"
#include "platform/FileSystem.h"
#include "platform/TextUtil.h"
#include "platform/qt/XlsxSpreadsheet.h"

namespace zl::test {
namespace {

namespace fs = std::filesystem;

struct Day {
    int y, m, d;
};

// The day `days` after 1970-01-01 (H. Hinnant's civil_from_days).
Day FromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

long ToDays(Day day) { return Serial(day.y, day.m, day.d) - 25569; }

std::string DateText(Day d) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", d.y, d.m, d.d);
    return buffer;
}

// Whole years as DATEDIF counts them.
int Years(Day birth, Day today) {
    return today.y - birth.y - (today.m < birth.m || (today.m == birth.m && today.d < birth.d));
}

std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false, any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = any = true;
        } else if (c == ',') {
            rows.back().push_back(field);
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
        } else {
            field += c;
            any = true;
        }
    }
    if (!field.empty() || !rows.back().empty()) rows.back().push_back(field);
    if (rows.back().empty()) rows.pop_back();
    (void)any;
    return rows;
}

std::u16string U(const std::string& s) { return FromUtf8(s); }

TEST(Calc, ComputesTheFormulas) {
    const char* soffice = std::getenv("ZORVEL_SOFFICE");
    if (!soffice || !*soffice) GTEST_SKIP() << "ZORVEL_SOFFICE is not set";

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    const Day today{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    const long t = ToDays(today);
    // 28 years keep a leap day a leap day.
    const auto yearsAgo = [](Day d, int n) { return Day{d.y - n, d.m, d.d}; };
    const Day leapDay{2000, 2, 29};
    struct Entry {
        std::string name, birthDate, age, expectation;
    };
    const std::vector<Entry> entries = {
        {"today", DateText(today), "0", "○"},
        {"yesterday", DateText(FromDays(t - 1)), "0", "○"},
        {"tomorrow", DateText(FromDays(t + 1)), "?", "△"},
        {"born28", DateText(yearsAgo(today, 28)), "28", "×"},
        {"born28yesterday", DateText(yearsAgo(FromDays(t - 1), 28)),
         std::to_string(Years(yearsAgo(FromDays(t - 1), 28), today)), "不明"},
        {"born28tomorrow", DateText(yearsAgo(FromDays(t + 1), 28)),
         std::to_string(Years(yearsAgo(FromDays(t + 1), 28), today)), "不明"},
        {"leap", DateText(leapDay), std::to_string(Years(leapDay, today)), "未定"},
        {"=1+2", "    /  /  ", "", "○"},
    };
    std::vector<std::u16string> lines;
    int no = 0;
    for (const Entry& e : entries) {
        char head[16];
        std::snprintf(head, sizeof head, "No.%04d", ++no);
        lines.push_back(U(std::string(head) + "," + e.name + ",,,,0312345678,,," + e.birthDate +
                          ",OFF,OFF,OFF,OFF,2024/03/05 09:07:41," + e.expectation +
                          ",1~200,,,,,,"));
    }
    ASSERT_EQ(entries[3].age, std::to_string(Years(yearsAgo(today, 28), today)));

    TempFolder temp("zorvel-calc");
    const fs::path folder = temp.path() / "workbooks";
    FixedClock clock({2000, 1, 1, 12, 0, 0});  // the cached values are those of another day
    RecordingShell shell;
    NoProgress progress;
    XlsxSpreadsheet sheet(folder, clock, shell);
    const std::array<std::u16string, 7> captions = {
        u"本人含む人数", u"備考１", u"備考２", u"備考３", u"連名１", u"連名２", u"連名３"};
    FillBirthMonthWorkbook(sheet, lines, u"全月", captions, clock.Now(), progress);
    const SpreadsheetResult birth = sheet.Finish();
    FillExpectationWorkbook(sheet, lines, captions, progress);
    const SpreadsheetResult counts = sheet.Finish();
    ASSERT_EQ(birth.kind, SpreadsheetResult::Kind::Shown);
    ASSERT_EQ(counts.kind, SpreadsheetResult::Kind::Shown);

    const fs::path out = temp.path() / "csv";
    const std::string profile = "file://" + (temp.path() / "profile").string();
    int status = 0;
    const std::string log = RunCommand(
        "HOME=" + Quote(temp.path().string()) + " " + Quote(soffice) +
            " -env:UserInstallation=" + Quote(profile) + " --headless --norestore --convert-to " +
            Quote("csv:Text - txt - csv (StarCalc):44,34,76") + " --outdir " + Quote(out.string()) +
            " " + Quote(PathFromText(birth.file).string()) + " " +
            Quote(PathFromText(counts.file).string()) + " 2>&1",
        &status);
    ASSERT_EQ(status, 0) << log;
    const auto csvOf = [&](const std::u16string& file) {
        return ReadCsv(ReadWholeFile(out / PathFromText(file).filename().replace_extension(".csv"))
                           .value_or(""));
    };

    const auto rows = csvOf(birth.file);
    ASSERT_EQ(rows.size(), entries.size() + 1) << log;
    EXPECT_EQ(rows[0][9], "年齢");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& row = rows[i + 1];
        ASSERT_GE(row.size(), 23u);
        SCOPED_TRACE(entries[i].name);
        EXPECT_EQ(row[1], entries[i].name);  // "=1+2" stays a text
        EXPECT_EQ(row[5], "0312345678");     // the leading zero kept
        EXPECT_EQ(row[8], entries[i].birthDate);
        EXPECT_EQ(row[9], entries[i].age);
        EXPECT_EQ(row[16], "1,200");
        EXPECT_EQ(row[14], "2024/03/05 09:07:41");
    }

    const auto sheet2 = csvOf(counts.file);
    const std::size_t n = entries.size();
    ASSERT_GE(sheet2.size(), n + 6);
    const std::pair<const char*, const char*> expected[] = {
        {"○", "3"}, {"△", "1"}, {"×", "1"}, {"不明", "2"}};
    for (int l = 0; l < 4; ++l) {
        const auto& row = sheet2[n + 2 + static_cast<std::size_t>(l)];
        ASSERT_GE(row.size(), 4u);
        EXPECT_EQ(row[2], expected[l].first);
        EXPECT_EQ(row[3], expected[l].second) << expected[l].first;
    }
    EXPECT_EQ(sheet2[1][2], "312345678");  // written without "'": a number, as typed input
}

}  // namespace
}  // namespace zl::test
