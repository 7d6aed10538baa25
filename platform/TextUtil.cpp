#include "platform/TextUtil.h"

#include <unicode/ustring.h>

namespace zl {

std::u16string FromUtf8(std::string_view text) {
    if (text.empty()) return {};
    std::u16string out(text.size() + 1, u'\0');
    int32_t n = 0;
    UErrorCode err = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()), &n,
                         text.data(), static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &err);
    if (U_FAILURE(err)) return {};
    out.resize(n);
    return out;
}

std::string ToUtf8(std::u16string_view text) {
    if (text.empty()) return {};
    std::string out(text.size() * 3 + 1, '\0');
    int32_t n = 0;
    UErrorCode err = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &n,
                       reinterpret_cast<const UChar*>(text.data()),
                       static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &err);
    if (U_FAILURE(err)) return {};
    out.resize(n);
    return out;
}

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\u3000'; }

int Atoi(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > 2147483648LL) value = 2147483648LL;  // saturate instead of overflowing
    }
    if (negative) value = -value;
    if (value > 2147483647LL) value = 2147483647LL;
    return static_cast<int>(value);
}

std::u16string_view Trim(std::u16string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsSpace(text[b])) ++b;
    while (e > b && IsSpace(text[e - 1])) --e;
    return text.substr(b, e - b);
}

template <typename Char>
static std::vector<std::basic_string<Char>> SplitLinesImpl(std::basic_string_view<Char> text) {
    std::vector<std::basic_string<Char>> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t nl = text.find(Char('\n'), start);
        std::size_t end = nl == text.npos ? text.size() : nl;
        std::size_t cut = (end > start && text[end - 1] == Char('\r')) ? end - 1 : end;
        lines.emplace_back(text.substr(start, cut - start));
        if (nl == text.npos) break;
        start = nl + 1;
    }
    return lines;
}

std::vector<std::u16string> SplitLines(std::u16string_view text) { return SplitLinesImpl(text); }
std::vector<std::string> SplitLines(std::string_view bytes) { return SplitLinesImpl(bytes); }

std::string ToCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to) {
    std::u16string out;
    if (from.empty()) return std::u16string(text);
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = text.find(from, pos);
        if (hit == text.npos) break;
        out.append(text.substr(pos, hit - pos)).append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

std::u16string ZeroPad(int value, int width) {
    std::u16string digits = ToU16(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), u'0');
    if (value < 0) digits.insert(0, 1, u'-');
    return digits;
}

std::u16string ToU16(int value) {
    std::string s = std::to_string(value);
    return std::u16string(s.begin(), s.end());
}

bool Contains(std::u16string_view text, std::u16string_view part) {
    return text.find(part) != text.npos;
}

std::u16string AsciiDigits(std::u16string_view text) {
    std::u16string s(text);
    for (char16_t& c : s)
        if (c >= u'０' && c <= u'９') c = static_cast<char16_t>(u'0' + (c - u'０'));
    return s;
}

}  // namespace zl
