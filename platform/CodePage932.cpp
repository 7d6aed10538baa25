#include "platform/CodePage932.h"

#include <unicode/ucnv.h>

#include <memory>
#include <stdexcept>

namespace zl {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// One converter per thread; the program has one thread, tests may have more.
UConverter* Converter() {
    thread_local ConverterPtr conv = [] {
        UErrorCode err = U_ZERO_ERROR;
        ConverterPtr c(ucnv_open("windows-932", &err));
        if (U_FAILURE(err)) throw std::runtime_error("code page 932 converter unavailable");
        ucnv_setSubstChars(c.get(), "?", 1, &err);
        ucnv_setFallback(c.get(), false);
        return c;
    }();
    return conv.get();
}

// A second converter that stops at the first byte sequence that is no code page 932 text.
UConverter* StrictDecoder() {
    thread_local ConverterPtr conv = [] {
        UErrorCode err = U_ZERO_ERROR;
        ConverterPtr c(ucnv_open("windows-932", &err));
        if (U_FAILURE(err)) throw std::runtime_error("code page 932 converter unavailable");
        ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
        return c;
    }();
    return conv.get();
}

}  // namespace

std::string ToCp932(std::u16string_view text) {
    std::string out;
    AppendToCp932(text, out);
    return out;
}

void AppendToCp932(std::u16string_view text, std::string& out) {
    if (text.empty()) return;
    UConverter* conv = Converter();
    ucnv_resetFromUnicode(conv);
    // At most two bytes per UTF-16 unit ("?" for a pair).
    const std::size_t old = out.size();
    out.resize(old + text.size() * 2);
    char* target = out.data() + old;
    const UChar* source = reinterpret_cast<const UChar*>(text.data());
    UErrorCode err = U_ZERO_ERROR;
    ucnv_fromUnicode(conv, &target, out.data() + out.size(), &source, source + text.size(), nullptr,
                     true, &err);
    if (U_FAILURE(err)) {
        out.resize(old);
        out.append(text.size(), '?');
        return;
    }
    out.resize(static_cast<std::size_t>(target - out.data()));
}

std::u16string FromCp932(std::string_view bytes) {
    if (bytes.empty()) return {};
    UConverter* conv = Converter();
    ucnv_resetToUnicode(conv);
    std::u16string out(bytes.size() + 8, u'\0');
    UErrorCode err = U_ZERO_ERROR;
    int32_t n =
        ucnv_toUChars(conv, reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                      bytes.data(), static_cast<int32_t>(bytes.size()), &err);
    if (err == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(n + 1);
        err = U_ZERO_ERROR;
        ucnv_resetToUnicode(conv);
        n = ucnv_toUChars(conv, reinterpret_cast<UChar*>(out.data()),
                          static_cast<int32_t>(out.size()), bytes.data(),
                          static_cast<int32_t>(bytes.size()), &err);
    }
    if (U_FAILURE(err)) return std::u16string(bytes.size(), u'?');
    out.resize(n);
    return out;
}

bool AppendFromCp932Strict(std::string_view bytes, std::u16string& out) {
    if (bytes.empty()) return true;
    UConverter* conv = StrictDecoder();
    ucnv_resetToUnicode(conv);
    // Every character takes at least one byte and gives one UTF-16 unit.
    const std::size_t old = out.size();
    out.resize(old + bytes.size());
    UChar* target = reinterpret_cast<UChar*>(out.data() + old);
    const char* source = bytes.data();
    UErrorCode err = U_ZERO_ERROR;
    ucnv_toUnicode(conv, &target, target + bytes.size(), &source, source + bytes.size(), nullptr,
                   true, &err);
    if (U_FAILURE(err)) {
        out.resize(old);
        return false;
    }
    out.resize(static_cast<std::size_t>(reinterpret_cast<char16_t*>(target) - out.data()));
    return true;
}

std::u16string CharsCp932Lacks(std::u16string_view text) {
    std::u16string lacking;
    if (FromCp932(ToCp932(text)) == text) return lacking;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t len = 1;
        if (i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            len = 2;
        const std::u16string_view c = text.substr(i, len);
        if (c != u"?" && ToCp932(c) == "?" && lacking.find(c) == lacking.npos) lacking += c;
        i += len;
    }
    return lacking;
}

std::size_t Cp932Length(std::u16string_view text) { return ToCp932(text).size(); }

std::size_t Cp932CharLength(std::u16string_view text, std::size_t pos) {
    std::size_t len = 1;
    if (pos + 1 < text.size() && text[pos] >= 0xD800 && text[pos] <= 0xDBFF &&
        text[pos + 1] >= 0xDC00 && text[pos + 1] <= 0xDFFF)
        len = 2;
    return ToCp932(text.substr(pos, len)).size();
}

}  // namespace zl
