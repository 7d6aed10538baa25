// Sort and a search that finds nothing.
#include <cstdio>

#include "Bench.h"
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

    return found == -2;
}

const Register reg("list", ListOperations);

}  // namespace
}  // namespace bench
