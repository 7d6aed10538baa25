// Sort, a search that finds nothing, loading and saving the data file.
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "Bench.h"
#include "platform/TextUtil.h"
#include "roster/DataFile.h"
#include "roster/Paths.h"
#include "roster/RosterList.h"
#include "tools/Search.h"
#include "tools/SortKey.h"

namespace bench {
namespace {

using namespace zl;

bool ListOperations(const std::vector<std::u16string>& lines) {
    const int count = static_cast<int>(lines.size());
    std::vector<std::u16string> sorted;
    std::printf("sort by 名前:           %8.1f ms\n",
                Millis([&] { sorted = SortRosterLines(lines, 0); }));
    std::printf("sort by 〒住所:         %8.1f ms\n",
                Millis([&] { sorted = SortRosterLines(lines, 2); }));
    std::printf("sort by 登録日:         %8.1f ms\n",
                Millis([&] { sorted = SortRosterLines(lines, 10); }));

    int found = 0;
    const SearchWords none = ParseSearchText(u"該当なし&存在しない");
    std::printf("search, no match:       %8.1f ms\n",
                Millis([&] { found = FindNextMatch(lines, count / 2, none); }));
    const SearchWords one = ParseSearchText(u"存在しない語");
    std::printf("search, one word:       %8.1f ms\n",
                Millis([&] { found += FindNextMatch(lines, -1, one); }));

    const std::filesystem::path base =
        std::filesystem::temp_directory_path() / ("zorvel_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(base / "data" / "backup");
    const Paths paths = Paths::FromExecutable(FromUtf8((base / "zorvel").string()));
    RosterList list;
    list.Assign(sorted);
    RosterStore store(paths);
    bool saved = false;
    std::printf("SaveRoster (write):     %8.1f ms\n", Millis([&] { saved = store.Save(list); }));
    RosterList loaded;
    RosterStore reader(paths);
    LoadStatus status = LoadStatus::Missing;
    std::printf("LoadRoster (read):      %8.1f ms\n",
                Millis([&] { status = reader.Load(loaded); }));
    std::printf(
        "data file: %.1f MB, %s, %d lines read back%s\n",
        static_cast<double>(std::filesystem::file_size(paths.dataFile)) / 1e6,
        saved ? "saved" : "NOT SAVED", loaded.Count(),
        status == LoadStatus::Loaded && loaded.Lines() == sorted ? ", identical" : ", DIFFERENT");
    std::filesystem::remove_all(base);
    return found == -2 && saved && loaded.Count() == count;
}

const Register reg("list", ListOperations);

}  // namespace
}  // namespace bench
