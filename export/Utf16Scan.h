// Scanning stored lines four UTF-16 units at a time (one 64-bit word, a 16-bit lane per unit)
// for the few ASCII characters the exports look for: commas, double quotes, "~". The lines are
// long and these characters rare, so most words are copied or skipped whole.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zl::scan {

inline constexpr std::uint64_t kOnes = 0x0001000100010001;
inline constexpr std::uint64_t kLow15 = 0x7FFF7FFF7FFF7FFF;
inline constexpr std::uint64_t kHigh = 0x8000800080008000;

inline std::uint64_t Load4(const char16_t* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// The high bit of each lane of `w` that holds `c`, and no other bit. Exact: no carry crosses
// a lane, since the sum of two 15-bit values stays below 0x10000.
inline std::uint64_t LanesEqual(std::uint64_t w, char16_t c) {
    const std::uint64_t v = w ^ (kOnes * c);
    return ~(((v & kLow15) + kLow15) | v) & kHigh;
}

// The lanes of the characters a CSV field is written differently for: ',', '"' and '~'.
inline std::uint64_t SpecialLanes(std::uint64_t w) {
    return LanesEqual(w, u',') | LanesEqual(w, u'"') | LanesEqual(w, u'~');
}

// The number of marked lanes of a mask: a multiplication adds the lanes' marks into the top
// lane (std::popcount is a library call on the baseline x86-64 this is built for).
inline int LaneCount(std::uint64_t mask) { return static_cast<int>(((mask >> 15) * kOnes) >> 48); }

// The position in the text (0 to 3) of the first marked lane of a non-zero mask.
inline std::size_t FirstLane(std::uint64_t mask) {
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<std::size_t>(std::countr_zero(mask)) / 16;
    else
        return static_cast<std::size_t>(std::countl_zero(mask)) / 16;
}

// The mask without its first marked lane.
inline std::uint64_t DropFirstLane(std::uint64_t mask) {
    if constexpr (std::endian::native == std::endian::little)
        return mask & (mask - 1);
    else
        return mask & ~(std::uint64_t{1} << (63 - std::countl_zero(mask)));
}

// The position just after the `n`-th comma from `from` on (n >= 1); npos when the text holds
// fewer.
inline std::size_t AfterCommas(std::u16string_view text, std::size_t from, int n) {
    const char16_t* const d = text.data();
    const std::size_t size = text.size();
    std::size_t i = from;
    // Eight units a step: the two words' marks are added before they are counted.
    for (; i + 8 <= size; i += 8) {
        const std::uint64_t marks =
            (LanesEqual(Load4(d + i), u',') >> 15) + (LanesEqual(Load4(d + i + 4), u',') >> 15);
        const int found = static_cast<int>((marks * kOnes) >> 48);
        if (found >= n) break;
        n -= found;
    }
    for (; i < size; ++i)
        if (d[i] == u',' && --n == 0) return i + 1;
    return std::u16string_view::npos;
}

// Whether the text holds ',', '"' or '~'.
inline bool HasSpecial(std::u16string_view text) {
    const char16_t* const d = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    for (; i + 4 <= size; i += 4)
        if (SpecialLanes(Load4(d + i))) return true;
    for (; i < size; ++i)
        if (d[i] == u',' || d[i] == u'"' || d[i] == u'~') return true;
    return false;
}

}  // namespace zl::scan
