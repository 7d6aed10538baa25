// Loading and saving the data file, each beside its floor measured in the same run: loading
// beside the bare code-page decode of the same bytes, saving beside encode + write + fsync.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "Bench.h"
#include "platform/CodePage932.h"
#include "platform/TextUtil.h"
#include "roster/DataFile.h"
#include "roster/Paths.h"
#include "roster/RosterList.h"

namespace bench {
namespace {

using namespace zl;

constexpr int kRounds = 7;

// A figure and its floor, timed by turns so that both meet the same load of the machine; the
// best round of each counts.
template <class F, class G>
std::pair<double, double> BestPair(F&& figure, G&& floor) {
    double a = 1e300, b = 1e300;
    for (int i = 0; i < kRounds; ++i) {
        a = std::min(a, Millis(figure));
        b = std::min(b, Millis(floor));
    }
    return {a, b};
}

bool WriteAndSync(const std::filesystem::path& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ok = ::fsync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

void Print(const char* what, double ms, const char* floorName, double floor, double target) {
    std::printf("%-12s %8.1f ms   %-28s %8.1f ms   ratio %.2f (target <= %.2f)\n", what, ms,
                floorName, floor, ms / floor, target);
}

bool StoreOperations(const std::vector<std::u16string>& lines) {
    const std::filesystem::path base =
        std::filesystem::temp_directory_path() / ("zorvel_store_" + std::to_string(::getpid()));
    std::filesystem::create_directories(base / "data" / "backup");
    const Paths paths = Paths::FromExecutable(FromUtf8((base / "zorvel").string()));
    RosterList list;
    list.Assign(lines);

    // Save, and its floor: the same text encoded, written and flushed.
    RosterStore store(paths);
    bool saved = true;
    std::u16string text(kDataFileHeader);
    text += u"\r\n";
    for (const std::u16string& l : lines) text += l + u"\r\n";
    const std::filesystem::path plain = base / "data" / "plain.csv";
    const auto [save, saveFloor] =
        BestPair([&] { saved = store.Save(list) && saved; },
                 [&] { saved = WriteAndSync(plain, ToCp932(text)) && saved; });

    // Load, and its floor: the decode of the file's bytes.
    const std::string bytes = EncodeDataFile(lines);
    RosterList loaded;
    LoadStatus status = LoadStatus::Missing;
    std::size_t decoded = 0;
    const auto [load, loadFloor] = BestPair(
        [&] {
            RosterStore reader(paths);
            status = reader.Load(loaded);
        },
        [&] { decoded += FromCp932(bytes).size(); });

    Print("LoadRoster", load, "decode of the same bytes", loadFloor, 1.5);
    Print("SaveRoster", save, "encode + write + fsync", saveFloor, 1.1);
    const bool same = status == LoadStatus::Loaded && loaded.Lines() == lines;
    std::printf("data file: %.1f MB, %s, %d lines read back%s\n",
                static_cast<double>(bytes.size()) / 1e6, saved ? "saved" : "NOT SAVED",
                loaded.Count(), same ? ", identical" : ", DIFFERENT");
    std::filesystem::remove_all(base);
    return saved && same && decoded > 0;
}

const Register reg("store", StoreOperations);

}  // namespace
}  // namespace bench
