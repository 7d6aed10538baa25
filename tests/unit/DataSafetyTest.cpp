// The guards that keep the roster from being lost: the folder lock, file replacement through
// links and with the old file kept aside, stale temporary files, the settings writer, the
// single-line rule and the encodings of the data file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include "app/ProfileFile.h"
#include "editing/SingleLine.h"
#include "platform/CodePage932.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/TextUtil.h"
#include "roster/DataFile.h"
#include "roster/RosterLine.h"
#include "tests/unit/TempFolder.h"

namespace zl {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) { return ReadWholeFile(path).value_or("<missing>"); }

const std::string kHeader = ToCp932(kDataFileHeader) + "\r\n";

TEST(FolderLockTest, SecondCopyIsRefusedUntilTheFirstEnds) {
    TempFolder dir("zorvel-lock");
    auto first = std::make_unique<FlockFolderLock>();
    EXPECT_EQ(first->TryLock(dir.path()), LockResult::Taken);
    FlockFolderLock second;
    EXPECT_EQ(second.TryLock(dir.path()), LockResult::HeldElsewhere);
    first.reset();
    EXPECT_EQ(second.TryLock(dir.path()), LockResult::Taken);
    FlockFolderLock nowhere;
    EXPECT_EQ(nowhere.TryLock(dir.path() / "missing"), LockResult::Failed);
}

TEST(FolderLockTest, LockOfAKilledCopyIsTakenOver) {
    TempFolder dir("zorvel-lock");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FlockFolderLock lock;
        const char ok = lock.TryLock(dir.path()) == LockResult::Taken ? 'y' : 'n';
        if (::write(ready[1], &ok, 1) != 1) ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    EXPECT_EQ(ok, 'y');
    FlockFolderLock mine;
    EXPECT_EQ(mine.TryLock(dir.path()), LockResult::HeldElsewhere);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(mine.TryLock(dir.path()), LockResult::Taken);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(ReplaceFileTest, LinkedFileIsReplacedWhereItLies) {
    TempFolder dir("zorvel-replace");
    fs::create_directories(dir.path() / "shared");
    fs::create_directories(dir.path() / "data");
    const fs::path target = dir.path() / "shared" / "Roster.csv";
    const fs::path link = dir.path() / "data" / "Data.csv";
    WriteBytes(target, "old");
    ::chmod(target.c_str(), 0600);
    fs::create_symlink("../shared/Roster.csv", link);
    ASSERT_TRUE(ReplaceFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), fs::path("../shared/Roster.csv"));
    EXPECT_EQ(Bytes(target), "new");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // The temporary file was made beside the target, and is gone.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "shared"), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "data"), {}), 1);

    // A link whose target does not exist yet: the target is created, the link stays.
    fs::create_symlink(dir.path() / "shared" / "New.csv", dir.path() / "data" / "Other.csv");
    ASSERT_TRUE(ReplaceFileAtomically(dir.path() / "data" / "Other.csv", "x"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "data" / "Other.csv"));
    EXPECT_EQ(Bytes(dir.path() / "shared" / "New.csv"), "x");
}

TEST(ReplaceFileTest, OldFileIsKeptOnlyOnceTheNewOneIsComplete) {
    TempFolder dir("zorvel-replace");
    const fs::path file = dir.path() / "Data.csv";
    const fs::path kept = dir.path() / "Data_unreadable.csv";
    WriteBytes(file, "original");
    ASSERT_TRUE(ReplaceFileAtomically(file, "new text", kept));
    EXPECT_EQ(Bytes(file), "new text");
    EXPECT_EQ(Bytes(kept), "original");

    // The new file cannot be written in full (file size limit): nothing is kept and the file
    // stays as it was.
    fs::remove(kept);
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = ReplaceFileAtomically(file, "far too long for the limit", kept);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Bytes(file), "new text");
    EXPECT_FALSE(fs::exists(kept));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

TEST(StaleTempTest, OnlyTheProgramsOwnOldTemporaryFilesGo) {
    const struct {
        const char* name;
        bool ours;
    } names[] = {
        {".Data.csv.zorvel-Ab12Cd", true},
        {".zorvel.ini.zorvel-000000", true},
        {".DataBk 5.csv.zorvel-zzzzzz", true},
        {".Data.csv.zorvel-Ab12C", false},
        {"Data.csv.zorvel-Ab12Cd", false},
        {".Data.csv.zorvel-Ab12Cd~", false},
        {".Data.csv.zorvel-Ab_2Cd", false},
        {".Data.csv.Ab12Cd", false},
        {".zorvel-Ab12Cd", false},
        {"Data.csv", false},
    };
    TempFolder dir("zorvel-stale");
    for (const auto& n : names) {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(IsTempFileName(n.name), n.ours);
        WriteBytes(dir.path() / n.name, "x");
    }
    const fs::path fresh = dir.path() / ".Data.csv.zorvel-NEWnew";
    fs::create_directory(dir.path() / ".Data.csv.zorvel-folder");
    const auto start = fs::file_time_type::clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WriteBytes(fresh, "written after the start");
    // The leftovers are older than the start.
    for (const auto& n : names)
        fs::last_write_time(dir.path() / n.name, start - std::chrono::hours(1));
    RemoveStaleTempFiles(dir.path(), start);
    for (const auto& n : names) EXPECT_EQ(fs::exists(dir.path() / n.name), !n.ours) << n.name;
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::is_directory(dir.path() / ".Data.csv.zorvel-folder"));
}

TEST(ProfileWriterTest, WritesKeepTheOtherKeys) {
    struct Case {
        const char* what;
        std::string before;
        std::u16string section, key, value;
        std::string after;
    };
    const std::string yo = ToCp932(u"余");  // 0x97 0x5D: "]" as its second byte
    const Case cases[] = {
        {"file ending in a lone CR", "[Window]\r\nTitle=x\r", u"Window", u"TranscriptionMode",
         u"ON", "[Window]\r\nTitle=x\r\nTranscriptionMode=ON\r\n"},
        {"lone CR inside", "[Window]\r\nTitle=x\rJoin=y\r\n", u"Window", u"Join", u"z",
         "[Window]\r\nTitle=x\rJoin=z\r\n"},
        {"section with ] as a second byte", "[" + yo + "]\r\nA=1\r\n", u"余", u"A", u"2",
         "[" + yo + "]\r\nA=2\r\n"},
        {"new key in that section", "[" + yo + "]\r\nA=1\r\n", u"余", u"B", u"3",
         "[" + yo + "]\r\nA=1\r\nB=3\r\n"},
        {"new section after a lone CR", "[A]\r\nk=v\r", u"B", u"k", u"w",
         "[A]\r\nk=v\r\n[B]\r\nk=w\r\n"},
    };
    TempFolder dir("zorvel-ini");
    const fs::path ini = dir.path() / "zorvel.ini";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(ini, c.before);
        ASSERT_TRUE(WriteProfileString(ini, c.section, c.key, c.value));
        EXPECT_EQ(Bytes(ini), c.after);
        EXPECT_EQ(GetProfileString(ini, c.section, c.key, u"-"), c.value);
        // A second write changes the value in place: no second copy of the section or key.
        ASSERT_TRUE(WriteProfileString(ini, c.section, c.key, c.value));
        EXPECT_EQ(Bytes(ini), c.after);
    }
    WriteBytes(ini, "[Window]\r\nTitle=x\r");
    ASSERT_TRUE(WriteProfileString(ini, u"Window", u"TranscriptionMode", u"ON"));
    EXPECT_EQ(GetProfileString(ini, u"Window", u"Title", u"-"), u"x");
}

TEST(SingleLineTest, KeepsTheTextBeforeTheFirstLineBreak) {
    struct Case {
        std::u16string text;
        int caret;
        std::u16string kept;
        int keptCaret;
    };
    const Case cases[] = {
        {u"abc", 3, u"abc", 3},
        {u"やまだ\r\nたろう", 8, u"やまだ", 3},
        {u"a\nb\nc", 5, u"a", 1},
        // Inserted in the middle: "[x\ny]" into "AB" after "A".
        {u"Ax\nyB", 4, u"AxB", 2},
        {u"A\u2028B", 3, u"A", 1},
        {std::u16string(u"a\tb\0c\x1f\x7f", 7), 7, u"a b c  ", 7},
        {u"\nabc", 4, u"", 0},
        {u"", 0, u"", 0},
    };
    for (const auto& c : cases) {
        std::u16string text = c.text;
        int caret = c.caret;
        KeepSingleLine(text, caret);
        EXPECT_EQ(text, c.kept) << ToUtf8(c.text);
        EXPECT_EQ(caret, c.keptCaret) << ToUtf8(c.text);
    }
}

TEST(SingleLineTest, BuiltLinesNeverHoldLineBreaksOrNul) {
    EntryValues v;
    v.name = u"山田\r\n太郎";
    v.remark1 = std::u16string(u"a\0b", 3);
    v.votes = u"1\n2";
    const std::u16string line = BuildLine(u"0001", v, u"2024/03/05 09:00:00", nullptr);
    EXPECT_EQ(line.find_first_of(std::u16string(u"\r\n\0", 3)), line.npos);
    EXPECT_EQ(GetField(RosterField::Name, line).text, u"山田  太郎");
    EXPECT_EQ(GetField(RosterField::Votes, line).text, u"1 2");
}

TEST(CodePageTest, NamesTheCharactersItLacks) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"山田太郎①髙", u""},         {u"𠮷田", u"𠮷"}, {u"😀a😀b🍣", u"😀🍣"}, {u"?は文字", u""},
        {u"\u00e9t\u00e9", u"\u00e9"},
    };
    for (const auto& [text, lacking] : cases) EXPECT_EQ(CharsCp932Lacks(text), lacking);
}

TEST(DecodeDataFileTest, FindsTheEncoding) {
    const std::string entry = ToCp932(u"No.0001,山田,やまだ");
    const std::string entry8 = ToUtf8(u"No.0001,山田,やまだ");
    const std::string header8 = ToUtf8(kDataFileHeader) + "\r\n";
    struct Case {
        const char* what;
        std::string bytes;
        LoadStatus status;
        std::vector<std::u16string> lines;
    };
    const Case cases[] = {
        {"code page 932", kHeader + entry + "\r\n", LoadStatus::Loaded, {u"No.0001,山田,やまだ"}},
        {"UTF-8 with BOM",
         "\xEF\xBB\xBF" + header8 + entry8 + "\r\n",
         LoadStatus::Utf8,
         {u"No.0001,山田,やまだ"}},
        {"UTF-8 by its header",
         header8 + entry8 + "\n",
         LoadStatus::Utf8,
         {u"No.0001,山田,やまだ"}},
        {"UTF-8 without header",
         entry8 + "\r\n" + entry8,
         LoadStatus::Utf8,
         {u"No.0001,山田,やまだ", u"No.0001,山田,やまだ"}},
        {"BOM and header only", "\xEF\xBB\xBF" + header8, LoadStatus::Utf8, {}},
        {"ASCII only", "No.\r\nabc\r\n", LoadStatus::Loaded, {u"abc"}},
        {"NUL byte", kHeader + std::string("a\0b\r\n", 5), LoadStatus::NotCp932, {}},
        {"invalid sequence", kHeader + "\x82\x20\r\n", LoadStatus::NotCp932, {}},
        {"lead byte at the end", kHeader + "abc\x82", LoadStatus::NotCp932, {}},
        {"UTF-8 header, then broken UTF-8", header8 + "\xE3\x81\r\n", LoadStatus::NotCp932, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DecodedRoster d = DecodeDataFile(c.bytes);
        EXPECT_EQ(d.status, c.status);
        EXPECT_EQ(d.lines, c.lines);
    }
}

TEST(DecodeDataFileTest, LoadReplacesTheList) {
    TempFolder dir("zorvel-load");
    const Paths paths = Paths::FromExecutable(PathText(dir.path() / "zorvel"));
    fs::create_directories(paths.backupFolder);
    WriteBytes(paths.dataFile, kHeader + "one\r\n");
    RosterList list;
    list.Append(u"left over");
    RosterStore store(paths);
    EXPECT_EQ(store.Load(list), LoadStatus::Loaded);
    EXPECT_EQ(list.Lines(), std::vector<std::u16string>{u"one"});
}

}  // namespace
}  // namespace zl
