#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <vector>

#include "app/OperationLog.h"
#include "platform/FileSystem.h"
#include "platform/TextUtil.h"
#include "tests/unit/TempFolder.h"

namespace zl {
namespace {

namespace fs = std::filesystem;

// Gives the queued times one per reading, then keeps the last.
class ScriptedClock : public Clock {
public:
    std::vector<DateTime> times;
    int readings = 0;
    DateTime Now() override {
        const DateTime t = times[std::min<std::size_t>(readings, times.size() - 1)];
        ++readings;
        return t;
    }
};

DateTime LocalNow() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void SetModified(const fs::path& path, const DateTime& local) {
    std::tm tm{};
    tm.tm_year = local.year - 1900;
    tm.tm_mon = local.month - 1;
    tm.tm_mday = local.day;
    tm.tm_hour = local.hour;
    tm.tm_min = local.minute;
    tm.tm_sec = local.second;
    tm.tm_isdst = -1;
    const auto sys = std::chrono::system_clock::from_time_t(std::mktime(&tm));
    fs::last_write_time(path, std::chrono::file_clock::from_sys(sys));
}

class OperationLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = temp.path();
        folder = dir / "log";
        fs::create_directory(folder);
        log.Configure(true, folder);
    }

    void Write(std::u16string_view text) {
        log.SetText(text);
        log.WriteLogLine();
    }
    std::string File(const char* name) const {
        return ReadWholeFile(folder / name).value_or("<missing>");
    }

    TempFolder temp{"zorvel-log"};
    fs::path dir, folder;
    ScriptedClock clock;
    OperationLog log{clock};
};

TEST_F(OperationLogTest, NothingAtAllWhenOff) {
    clock.times = {{2024, 3, 9, 8, 5, 3}};
    log.Configure(false, folder);
    Write(u"起動");
    EXPECT_EQ(clock.readings, 0);
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(log.logText, "\x8B\x4E\x93\xAE");  // the text is kept all the same
}

TEST_F(OperationLogTest, LineFormatAndFileName) {
    clock.times = {{2024, 3, 9, 8, 5, 3}};
    Write(u"CzorvelDlg::OnBnClickedButtonAdd() 追加: No.0001,山田~太郎〜");
    EXPECT_EQ(File("Oplog_09.txt"),
              "2024/03/09 08:05:03 CzorvelDlg::OnBnClickedButtonAdd() "
              "\x92\xC7\x89\xC1: No.0001,\x8E\x52\x93\x63~\x91\xBE\x98\x59?\r\n");
    EXPECT_EQ(clock.readings, 1);
}

TEST_F(OperationLogTest, SameDayAppendsAndAnotherDaysFileIsEmptiedFirst) {
    const DateTime today = LocalNow();
    clock.times = {today};
    Write(u"one");
    Write(u"two");  // the file was just written today: appended
    char name[32];
    std::snprintf(name, sizeof name, "Oplog_%02d.txt", today.day);
    const std::string stamp = ToUtf8(FormatDateTime(today)) + " ";
    EXPECT_EQ(File(name), stamp + "one\r\n" + stamp + "two\r\n");

    // Last month's file of the 9th is emptied by the first line of this month's 9th.
    std::ofstream(folder / "Oplog_09.txt", std::ios::binary) << "2024/02/09 10:00:00 old\r\n";
    SetModified(folder / "Oplog_09.txt", {2024, 2, 9, 10, 0, 0});
    clock.times = {{2024, 3, 9, 8, 0, 0}};
    Write(u"new");
    EXPECT_EQ(File("Oplog_09.txt"), "2024/03/09 08:00:00 new\r\n");

    // Written on the 9th (as the clock says): further lines of that day are appended.
    SetModified(folder / "Oplog_09.txt", {2024, 3, 9, 8, 0, 0});
    clock.times = {{2024, 3, 9, 23, 59, 59}};
    Write(u"later");
    EXPECT_EQ(File("Oplog_09.txt"), "2024/03/09 08:00:00 new\r\n2024/03/09 23:59:59 later\r\n");
}

TEST_F(OperationLogTest, RunPastMidnightWritesTheNextDaysFile) {
    std::ofstream(folder / "Oplog_10.txt", std::ios::binary) << "2024/02/10 09:00:00 old\r\n";
    SetModified(folder / "Oplog_10.txt", {2024, 2, 10, 9, 0, 0});
    std::ofstream(folder / "Oplog_09.txt", std::ios::binary) << "";
    SetModified(folder / "Oplog_09.txt", {2024, 3, 9, 20, 0, 0});

    // One reading per line: the time read for a line names its file, even if the clock has
    // moved on by the time the file is written.
    clock.times = {{2024, 3, 9, 23, 59, 59}, {2024, 3, 10, 0, 0, 0}};
    Write(u"before");
    EXPECT_EQ(clock.readings, 1);
    Write(u"after");
    EXPECT_EQ(File("Oplog_09.txt"), "2024/03/09 23:59:59 before\r\n");
    EXPECT_EQ(File("Oplog_10.txt"), "2024/03/10 00:00:00 after\r\n");
}

TEST_F(OperationLogTest, UnwritableFileIsSkipped) {
    clock.times = {{2024, 3, 9, 8, 5, 3}};
    fs::remove(folder);
    Write(u"lost");  // no folder: nothing happens, no error
    EXPECT_FALSE(fs::exists(folder));
    fs::create_directory(folder);
    fs::create_directory(folder / "Oplog_09.txt");  // a folder in the file's place
    Write(u"lost too");
    EXPECT_TRUE(fs::is_directory(folder / "Oplog_09.txt"));
    fs::remove(folder / "Oplog_09.txt");
    Write(u"kept");
    EXPECT_EQ(File("Oplog_09.txt"), "2024/03/09 08:05:03 kept\r\n");
}

}  // namespace
}  // namespace zl
