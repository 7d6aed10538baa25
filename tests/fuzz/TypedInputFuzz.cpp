// How a spreadsheet cell reads any text as typed input, and the formula references around it.
// Properties: a number is finite and reads back the same without its separators; a date is a
// real date from 1900 on; a text is the input (less a leading "'"); nothing that begins with "="
// is anything but text; the R1C1 conversion and the display width hold for any text.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/DateTime.h"
#include "platform/SheetValues.h"
#include "platform/TextUtil.h"

#define TYPED_CHECK(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A first byte 0xFF takes the rest as raw UTF-16 code units (lone surrogates included);
    // anything else is UTF-8 text.
    std::u16string text;
    if (size > 0 && data[0] == 0xFF) {
        for (std::size_t i = 1; i + 1 < size; i += 2)
            text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    } else {
        text = zl::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    }

    const zl::TypedValue v = zl::ReadTypedInput(text);
    using Kind = zl::TypedValue::Kind;
    TYPED_CHECK((v.kind == Kind::Empty) == text.empty());
    if (!text.empty() && text.front() == u'=') TYPED_CHECK(v.kind == Kind::Text);
    switch (v.kind) {
        case Kind::Text:
            TYPED_CHECK(v.text == (text.front() == u'\'' ? text.substr(1) : text));
            break;
        case Kind::Number: {
            TYPED_CHECK(std::isfinite(v.number));
            std::u16string plain;
            for (char16_t c : text)
                if (c != u',') plain += c;
            const zl::TypedValue again = zl::ReadTypedInput(plain);
            TYPED_CHECK(again.kind == Kind::Number && again.number == v.number);
            break;
        }
        case Kind::Date:
        case Kind::DateTime:
            TYPED_CHECK(v.date.year >= 1900);
            TYPED_CHECK(zl::IsValidDate(v.date.year, v.date.month, v.date.day));
            TYPED_CHECK(zl::IsValidTime(v.date.hour, v.date.minute, v.date.second));
            TYPED_CHECK(zl::ReadTypedInput(zl::FormatDateTime(v.date)).date == v.date);
            break;
        case Kind::Empty:
            break;
    }

    const int row = size > 1 ? 1 + data[size - 1] * 4099 : 1;
    const int column = size > 2 ? 1 + data[size - 2] * 64 : 1;
    const std::u16string a1 = zl::R1C1ToA1(text, row, column);
    // Quotes are copied as they are, so the texts between them stay where they were.
    std::size_t quotesIn = 0, quotesOut = 0;
    for (char16_t c : text) quotesIn += c == u'"';
    for (char16_t c : a1) quotesOut += c == u'"';
    TYPED_CHECK(quotesIn == quotesOut);

    const int width = zl::DisplayWidth(text);
    TYPED_CHECK(width >= 0 && width <= 2 * static_cast<int>(text.size()));
    return 0;
}
