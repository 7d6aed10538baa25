// Shared by the fuzz harnesses: a failed property aborts the run with a message, so that the
// fuzzer keeps the input that shows it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

namespace fuzz {

// The input as UTF-16 text: pairs of bytes, a last odd byte dropped.
inline std::u16string Utf16(const unsigned char* data, std::size_t size) {
    std::u16string s(size / 2, u'\0');
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return s;
}

}  // namespace fuzz
