#include <gtest/gtest.h>
#include <sys/resource.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <map>

#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "platform/CodePage932.h"
#include "platform/FileSystem.h"
#include "platform/TextUtil.h"
#include "roster/DataFile.h"
#include "roster/RosterLine.h"
#include "tests/unit/MemoryControls.h"
#include "tests/unit/TempFolder.h"

namespace zl {
namespace {

namespace fs = std::filesystem;

const std::string kHeaderBytes = ToCp932(kDataFileHeader) + "\r\n";

std::string Bytes(const fs::path& path) { return ReadWholeFile(path).value_or("<missing>"); }

// A program folder of its own in the temporary folder, with the data and backup folders.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = temp.path();
        paths = Paths::FromExecutable(PathText(dir / "zorvel"));
        fs::create_directories(paths.backupFolder);
    }

    // Files in the data folder other than Data.csv (left-over temporary files).
    std::vector<std::string> OtherDataFiles() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(paths.dataFolder)) {
            std::string n = e.path().filename().string();
            if (n != "Data.csv" && n != "backup") names.push_back(n);
        }
        return names;
    }

    TempFolder temp{"zorvel-store"};
    fs::path dir;
    Paths paths;
};

TEST_F(StoreTest, PathsComeFromTheExecutablesFolder) {
    Paths p = Paths::FromExecutable(u"/opt/名簿/zorvel");
    EXPECT_EQ(p.base, fs::path("/opt/名簿"));
    EXPECT_EQ(p.dataFolder, fs::path("/opt/名簿/data"));
    EXPECT_EQ(p.backupFolder, fs::path("/opt/名簿/data/backup"));
    EXPECT_EQ(p.logFolder, fs::path("/opt/名簿/log"));
    EXPECT_EQ(p.settingsFile, fs::path("/opt/名簿/zorvel.ini"));
    EXPECT_EQ(p.manual, fs::path("/opt/名簿/manual.pdf"));
    EXPECT_EQ(p.dataFile, fs::path("/opt/名簿/data/Data.csv"));

    const std::pair<int, std::string> days[] = {{1, "DataBk 1.csv"},
                                                {5, "DataBk 5.csv"},
                                                {10, "DataBk10.csv"},
                                                {25, "DataBk25.csv"},
                                                {31, "DataBk31.csv"}};
    for (const auto& [day, name] : days) EXPECT_EQ(BackupFile(p, day), p.backupFolder / name);
}

TEST_F(StoreTest, HeaderIsExactly118Characters) {
    EXPECT_EQ(kDataFileHeader.size(), 118u);
    EXPECT_EQ(GetField(22, kDataFileHeader).text, u"連名３");
}

// Files as another program or an earlier run left them, the lines they load as, and the bytes
// the next save writes.
TEST_F(StoreTest, LoadsAndSavesTheFileAsSpecified) {
    struct Case {
        const char* what;
        std::string file;
        std::vector<std::u16string> lines;
        std::string saved;
    };
    const std::string a = ToCp932(
        u"No.0001,山田~太郎,やまだ,,,,,,    /  /  ,OFF,OFF,OFF,OFF,"
        u"2024/03/05 09:07:41,○,3,A～B,,,,,");
    const std::string b = ToCp932(u"No.0002,ｶﾀｶﾅ①");
    const Case cases[] = {
        {"empty file", "", {}, kHeaderBytes},
        {"header only", kHeaderBytes, {}, kHeaderBytes},
        {"header without line end", ToCp932(kDataFileHeader), {}, kHeaderBytes},
        {"round trip",
         kHeaderBytes + a + "\r\n" + b + "\r\n",
         {FromCp932(a), FromCp932(b)},
         kHeaderBytes + a + "\r\n" + b + "\r\n"},
        {"empty and malformed lines kept",
         kHeaderBytes + a + "\r\n\r\ngarbage\r\n\r\n",
         {FromCp932(a), u"", u"garbage", u""},
         kHeaderBytes + a + "\r\n\r\ngarbage\r\n\r\n"},
        {"last line without line end",
         kHeaderBytes + a + "\r\n" + b,
         {FromCp932(a), FromCp932(b)},
         kHeaderBytes + a + "\r\n" + b + "\r\n"},
        {"first line dropped when it is no entry",
         "No.,other header\r\n" + b + "\r\n",
         {FromCp932(b)},
         kHeaderBytes + b + "\r\n"},
        {"first line that is an entry is loaded (a file without header)",
         a + "\r\n" + b + "\r\n",
         {FromCp932(a), FromCp932(b)},
         kHeaderBytes + a + "\r\n" + b + "\r\n"},
        {"first line like an entry but without its comma is the header",
         "No.0001\r\n" + b + "\r\n",
         {FromCp932(b)},
         kHeaderBytes + b + "\r\n"},
        {"LF line ends",
         "x\n" + a + "\n" + b + "\n",
         {FromCp932(a), FromCp932(b)},
         kHeaderBytes + a + "\r\n" + b + "\r\n"},
        {"lone CR stays in the line",
         kHeaderBytes + "a\rb\r\n",
         {u"a\rb"},
         kHeaderBytes + "a\rb\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(paths.dataFile, c.file);
        RosterStore store(paths);
        RosterList list;
        EXPECT_EQ(store.Load(list), LoadStatus::Loaded);
        EXPECT_EQ(list.Lines(), c.lines);
        ASSERT_TRUE(store.Save(list));
        EXPECT_EQ(Bytes(paths.dataFile), c.saved);
        EXPECT_EQ(ToCrLf(store.dataFileText()), c.saved);
    }
}

TEST_F(StoreTest, CharacterOutsideTheCodePageIsStoredAsQuestionMark) {
    RosterStore store(paths);
    RosterList list;
    list.Append(u"No.0001,〜\U0001F600");
    ASSERT_TRUE(store.Save(list));
    ASSERT_TRUE(store.WriteBackup(7));
    EXPECT_EQ(Bytes(paths.dataFile), kHeaderBytes + "No.0001,??\r\n");
    EXPECT_EQ(Bytes(BackupFile(paths, 7)), kHeaderBytes + "No.0001,??\r\n");
    EXPECT_EQ(list.Line(0), u"No.0001,〜\U0001F600");
}

TEST_F(StoreTest, MissingFileStartsEmptyAndWritesNoBackup) {
    WriteBytes(BackupFile(paths, 5), "last month");
    RosterStore store(paths);
    RosterList list;
    EXPECT_EQ(store.Load(list), LoadStatus::Missing);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(store.dataFileText().empty());
    EXPECT_TRUE(store.WriteBackup(5));
    EXPECT_EQ(Bytes(BackupFile(paths, 5)), "last month");
    EXPECT_FALSE(fs::exists(BackupFile(paths, 6)));

    // The first save creates the file; an empty roster is the header alone.
    ASSERT_TRUE(store.Save(list));
    EXPECT_EQ(Bytes(paths.dataFile), kHeaderBytes);
}

TEST_F(StoreTest, BackupHoldsTheTextLastReadOrWritten) {
    WriteBytes(paths.dataFile, kHeaderBytes + "one\r\n");
    RosterStore store(paths);
    RosterList list;
    store.Load(list);
    ASSERT_TRUE(store.WriteBackup(25));
    EXPECT_EQ(Bytes(BackupFile(paths, 25)), kHeaderBytes + "one\r\n");

    list.Append(u"two");
    ASSERT_TRUE(store.Save(list));
    ASSERT_TRUE(store.WriteBackup(25));  // a second close on one day replaces the first
    EXPECT_EQ(Bytes(BackupFile(paths, 25)), kHeaderBytes + "one\r\ntwo\r\n");
    ASSERT_TRUE(store.WriteBackup(5));
    EXPECT_TRUE(fs::exists(paths.backupFolder / "DataBk 5.csv"));

    fs::remove_all(paths.backupFolder);
    EXPECT_FALSE(store.WriteBackup(25));
}

TEST_F(StoreTest, FailedSaveKeepsTheOldFileAndTheNewText) {
    RosterStore store(paths);
    RosterList list;
    store.Load(list);
    list.Append(u"first");
    ASSERT_TRUE(store.Save(list));
    const std::string old = Bytes(paths.dataFile);

    // The write itself fails half-way (file size limit): the old file is untouched.
    list.Append(std::u16string(5000, u'x'));
    {
        struct rlimit saved {};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 1000;
        ::setrlimit(RLIMIT_FSIZE, &small);
        const bool ok = store.Save(list);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_FALSE(ok);
    }
    EXPECT_EQ(Bytes(paths.dataFile), old);
    EXPECT_TRUE(OtherDataFiles().empty());
    const std::string newer = kHeaderBytes + "first\r\n" + std::string(5000, 'x') + "\r\n";
    // The text as last read or written is still what the disk holds.
    EXPECT_EQ(ToCrLf(store.dataFileText()), old);

    // The backup at closing holds the newer text that the data file lacks.
    ASSERT_TRUE(store.WriteBackup(3));
    EXPECT_EQ(Bytes(BackupFile(paths, 3)), newer);

    // A folder where the data file is written.
    fs::remove(paths.dataFile);
    fs::create_directory(paths.dataFile);
    EXPECT_FALSE(store.Save(list));
    EXPECT_TRUE(fs::is_directory(paths.dataFile));
    EXPECT_TRUE(OtherDataFiles().empty());
    fs::remove(paths.dataFile);

    // The next save writes the whole list.
    ASSERT_TRUE(store.Save(list));
    EXPECT_EQ(Bytes(paths.dataFile), newer);
}

TEST_F(StoreTest, FailedSaveWhenTheDataFolderIsAPlainFile) {
    fs::remove_all(paths.dataFolder);
    WriteBytes(paths.dataFolder, "not a folder");
    RosterStore store(paths);
    RosterList list;
    EXPECT_EQ(store.Load(list), LoadStatus::Missing);
    list.Append(u"kept");
    EXPECT_FALSE(store.Save(list));
    EXPECT_EQ(Bytes(paths.dataFolder), "not a folder");
    EXPECT_TRUE(store.dataFileText().empty());
    ASSERT_TRUE(store.WriteBackup(2) == false);  // no backup folder either

    fs::remove(paths.dataFolder);
    fs::create_directory(paths.dataFolder);
    ASSERT_TRUE(store.Save(list));
    EXPECT_EQ(Bytes(paths.dataFile), kHeaderBytes + "kept\r\n");
}

TEST_F(StoreTest, UnreadableFolderInTheFilesPlaceIsMovedAsideOnlyByACompleteSave) {
    // A folder in the data file's place cannot be read (permission bits stop nothing as root).
    fs::create_directory(paths.dataFile);
    WriteBytes(paths.dataFile / "inside", "precious");
    WriteBytes(paths.dataFolder / "Data_unreadable.csv", "taken");
    RosterStore store(paths);
    RosterList list;
    list.Append(u"stale");
    EXPECT_EQ(store.Load(list), LoadStatus::Unreadable);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(store.keptAs(), paths.dataFolder / "Data_unreadable_2.csv");

    // A kept name taken meanwhile is not used: the next free one is.
    fs::create_directory(paths.dataFolder / "Data_unreadable_2.csv");
    list.Append(u"new");
    EXPECT_TRUE(store.Save(list));
    EXPECT_EQ(Bytes(paths.dataFolder / "Data_unreadable_3.csv" / "inside"), "precious");
    EXPECT_TRUE(fs::is_empty(paths.dataFolder / "Data_unreadable_2.csv"));
    EXPECT_TRUE(fs::is_regular_file(paths.dataFile));
    EXPECT_EQ(Bytes(paths.dataFolder / "Data_unreadable.csv"), "taken");
}

TEST_F(StoreTest, HundredThousandLinesLoadAndSaveFast) {
    RosterList list;
    std::vector<std::u16string> lines;
    for (int i = 0; i < 100000; ++i)
        lines.push_back(u"No." + ZeroPad(i % 10000, 4) +
                        u",山田　太郎,やまだ　たろう,100-0005,東京都千代田区丸の内１丁目,03-1234-"
                        u"5678,,S50.1.5,1975/01/05,OFF,OFF,OFF,OFF,2024/03/05 09:07:41,○,1,,,,,,");
    list.Assign(lines);
    const auto start = std::chrono::steady_clock::now();
    RosterStore store(paths);
    ASSERT_TRUE(store.Save(list));
    RosterStore again(paths);
    RosterList loaded;
    ASSERT_EQ(again.Load(loaded), LoadStatus::Loaded);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(loaded.Lines(), lines);
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

// The window's roster commands: the Total field and the messages.
using RecordingControls = MemoryControls;

class FixedSystem : public SystemInfo {
public:
    std::u16string path;
    std::u16string ExecutablePath() override { return path; }
    std::u16string ComputerName() override { return u"PC"; }
};

class RosterCommandsTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        system.path = PathText(dir / "zorvel");
        Platform platform;
        platform.controls = &controls;
        platform.boxes = &boxes;
        clock.now = {2024, 3, 5, 9, 7, 41};
        platform.clock = &clock;
        platform.system = &system;
        dlg = std::make_unique<CzorvelDlg>(platform, nullptr);
        dlg->InitPaths();
    }
    RecordingControls controls;
    RecordingBoxes boxes;
    FixedClock clock;
    FixedSystem system;
    std::unique_ptr<CzorvelDlg> dlg;
};

TEST_F(RosterCommandsTest, LoadAndSaveShowTheTotal) {
    WriteBytes(paths.dataFile, kHeaderBytes + "a\r\n\r\nb\r\n");
    dlg->LoadRoster();
    EXPECT_EQ(controls.Text(id::kTotal), u"3");
    EXPECT_TRUE(boxes.shown.empty());
    dlg->roster().Delete(0);
    dlg->SaveRoster();
    EXPECT_EQ(controls.Text(id::kTotal), u"2");
    EXPECT_EQ(Bytes(paths.dataFile), kHeaderBytes + "\r\nb\r\n");

    clock.now.day = 5;
    EXPECT_TRUE(dlg->WriteBackup());
    EXPECT_EQ(Bytes(paths.backupFolder / "DataBk 5.csv"), kHeaderBytes + "\r\nb\r\n");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RosterCommandsTest, WriteFailuresShowTheMessage) {
    dlg->LoadRoster();
    EXPECT_EQ(controls.Text(id::kTotal), u"0");
    fs::create_directory(paths.dataFile);
    dlg->roster().Append(u"x");
    dlg->SaveRoster();
    EXPECT_EQ(controls.Text(id::kTotal), u"1");
    fs::remove_all(paths.backupFolder);
    EXPECT_FALSE(dlg->WriteBackup());
    ASSERT_EQ(boxes.shown.size(), 2u);
    for (const auto& b : boxes.shown) {
        EXPECT_EQ(b.text, u"データ書き込みでエラーが発生しました。");
        EXPECT_EQ(b.icon, BoxIcon::Exclamation);
        EXPECT_EQ(b.buttons, BoxButtons::Ok);
    }
}

TEST_F(RosterCommandsTest, FileNotTakenAsItIsIsReportedOnceByName) {
    struct Case {
        const char* what;
        std::string bytes;
        std::u16string says;
    };
    const Case cases[] = {
        {"NUL bytes", kHeaderBytes + std::string("a\0b\r\n", 5), u"Shift_JIS"},
        {"UTF-8", "\xEF\xBB\xBF" + ToUtf8(kDataFileHeader) + "\r\n", u"UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(paths.dataFolder);
        fs::create_directories(paths.backupFolder);
        WriteBytes(paths.dataFile, c.bytes);
        boxes.shown.clear();
        dlg = std::make_unique<CzorvelDlg>(dlg->p, nullptr);
        dlg->InitPaths();
        dlg->LoadRoster();
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_TRUE(Contains(boxes.shown[0].text, c.says));
        EXPECT_TRUE(Contains(boxes.shown[0].text, PathText(paths.dataFile)));
        EXPECT_TRUE(
            Contains(boxes.shown[0].text, PathText(paths.dataFolder / "Data_unreadable.csv")));
        dlg->roster().Append(u"x");
        dlg->SaveRoster();
        EXPECT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(Bytes(paths.dataFolder / "Data_unreadable.csv"), c.bytes);
        EXPECT_EQ(Bytes(paths.dataFile), kHeaderBytes + "x\r\n");
    }
}

}  // namespace
}  // namespace zl
