#include <gtest/gtest.h>

#include "platform/TextUtil.h"
#include "tools/ShortenAddress.h"

namespace zl {
namespace {

TEST(ShortenAddress, Examples) {
    struct {
        const char* address;
        const char* shortened;
    } cases[] = {
        {"中央3丁目5番地7号", "中央3-5-7"},
        {"三丁目12番3号", "3-12-3"},
        {"5番地", "5"},
        {"1丁目2-3 コーポ101号室", "1-2-3 コーポ101号室"},
        {"２－３－４", "2-3-4"},
        {"4丁目", "4"},
        {"一番町", "一-町"},
        {"十丁目", "十"},
        {"1-2-", "1-2"},
        {"1-2--", "1-2"},  // one dash per step: dropped at the 番地 and 番 steps
        {"1-2- ビル", "1-2- ビル"},
        {"３―４‐５", "3-4-5"},
        {"（本館）1・2、3，4", "(本館)1-2-3-4"},
        {"A棟2号棟3号", "A棟2号棟3"},
        {"room goushitsu 5号", "room goushitsu 5"},  // letters stay letters
        {"九丁目", "9"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(ShortenAddress(FromUtf8(c.address))), c.shortened) << c.address;
}

}  // namespace
}  // namespace zl
