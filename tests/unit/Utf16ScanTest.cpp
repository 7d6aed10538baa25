#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "export/Utf16Scan.h"
#include "platform/TextUtil.h"

namespace zl {
namespace {

std::size_t AfterCommasByUnit(std::u16string_view text, std::size_t from, int n) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (text[i] == u',' && --n == 0) return i + 1;
    return std::u16string_view::npos;
}

bool HasSpecialByUnit(std::u16string_view text) {
    return text.find_first_of(u",\"~") != std::u16string_view::npos;
}

// Texts of up to twenty units (every one of up to five, then drawn at random with a fixed seed)
// over the sought characters, units that share a byte with them ("Ⱜ" 0x2C2C, "訢" 0x8A22, "ｾ"
// 0xFF7E, "耬" 0x802C) and "-", one above ",": a lane mistaken for its neighbour, a borrow or
// carry across lanes, or a unit past a word's end shows as a difference.
TEST(Utf16Scan, AgreesWithReadingUnitByUnit) {
    constexpr char16_t kUnits[] = {u',', u'"', u'~', u'-', u'Ⱜ', u'訢', u'ｾ', u'耬'};
    constexpr std::size_t kCount = std::size(kUnits);
    auto check = [](const std::u16string& text) {
        ASSERT_EQ(scan::HasSpecial(text), HasSpecialByUnit(text)) << ToUtf8(text);
        for (std::size_t from = 0; from <= 2 && from <= text.size(); ++from)
            for (int n = 1; n <= 6; ++n)
                ASSERT_EQ(scan::AfterCommas(text, from, n), AfterCommasByUnit(text, from, n))
                    << ToUtf8(text) << " from " << from << " n " << n;
    };
    std::u16string text;
    for (std::size_t length = 0; length <= 5; ++length) {
        std::size_t combinations = 1;
        for (std::size_t i = 0; i < length; ++i) combinations *= kCount;
        text.assign(length, u' ');
        for (std::size_t c = 0; c < combinations; ++c) {
            for (std::size_t i = 0, rest = c; i < length; ++i, rest /= kCount)
                text[i] = kUnits[rest % kCount];
            check(text);
        }
    }
    std::mt19937 random(20240501);
    for (int t = 0; t < 200000; ++t) {
        text.resize(6 + random() % 15);
        for (char16_t& unit : text) unit = kUnits[random() % kCount];
        check(text);
    }
}

}  // namespace
}  // namespace zl
