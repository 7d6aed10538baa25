// The sort beside the sort it replaced, which built the whole collation key of every key
// string: both orders must be the same, and the ratio shows the gain.
#include <algorithm>
#include <cstdio>

#include "Bench.h"
#include "tools/SortKey.h"

namespace bench {
namespace {

using namespace zl;

struct Target {
    int item;
    const char* name;
    double limit;  // the largest acceptable ratio; 0 when there is none
};

bool SortAgainstWholeKey(const std::vector<std::u16string>& lines) {
    const Target targets[] = {{0, "名前  ", 0.7}, {2, "〒住所", 0.35}, {10, "登録日", 0.0}};
    bool ok = true;
    for (const Target& t : targets) {
        // The better of two runs each, interleaved, so that both meet the same machine state.
        std::vector<std::size_t> fast, whole;
        double fastMs = 1e300, wholeMs = 1e300;
        for (int run = 0; run < 2; ++run) {
            wholeMs = std::min(wholeMs, Millis([&] { whole = WholeKeySortOrder(lines, t.item); }));
            fastMs = std::min(fastMs, Millis([&] { fast = SortOrder(lines, t.item); }));
        }
        const double ratio = fastMs / wholeMs;
        const bool same = fast == whole;
        std::printf("sort by %s: %8.1f ms, whole-key sort %8.1f ms, ratio %.2f", t.name, fastMs,
                    wholeMs, ratio);
        if (t.limit > 0)
            std::printf(" (target <= %.2f%s)", t.limit, ratio <= t.limit ? "" : ", MISSED");
        std::printf("%s\n", same ? "" : ", ORDER DIFFERS");
        ok = ok && same;
    }
    return ok;
}

const Register reg("sort", SortAgainstWholeKey);

}  // namespace
}  // namespace bench
