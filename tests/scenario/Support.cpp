#include "Support.h"

#include <cstdio>

#include "platform/TextUtil.h"

namespace scenario {

std::u16string U8(const std::string& s) { return zl::FromUtf8(s); }
std::string ToU8(std::u16string_view s) { return zl::ToUtf8(s); }

std::string Show(std::u16string_view s) {
    std::string out = "\"";
    for (char c : ToU8(s)) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c == '"')
            out += "\\\"";
        else
            out += c;
    }
    return out + "\"";
}

std::string Show(const std::string& s) { return Show(U8(s)); }

bool ParseDateTime(const std::string& date, const std::string& time, zl::DateTime& t) {
    int y, mo, d, h = 0, mi = 0, s = 0;
    if (std::sscanf(date.c_str(), "%d/%d/%d", &y, &mo, &d) != 3) return false;
    if (!time.empty() && std::sscanf(time.c_str(), "%d:%d:%d", &h, &mi, &s) != 3) return false;
    if (!zl::IsValidDate(y, mo, d) || !zl::IsValidTime(h, mi, s)) return false;
    t = {y, mo, d, h, mi, s};
    return true;
}

std::string IconName(zl::BoxIcon i) {
    switch (i) {
        case zl::BoxIcon::Information:
            return "information";
        case zl::BoxIcon::Exclamation:
            return "exclamation";
        case zl::BoxIcon::Warning:
            return "warning";
        case zl::BoxIcon::Error:
            return "error";
    }
    return "?";
}

std::string ButtonsName(zl::BoxButtons b) {
    switch (b) {
        case zl::BoxButtons::Ok:
            return "ok";
        case zl::BoxButtons::OkCancel:
            return "okcancel";
        case zl::BoxButtons::YesNoCancel:
            return "yesnocancel";
        case zl::BoxButtons::YesNo:
            return "yesno";
    }
    return "?";
}

std::string AnswerName(zl::BoxAnswer a) {
    switch (a) {
        case zl::BoxAnswer::Ok:
            return "OK";
        case zl::BoxAnswer::Cancel:
            return "Cancel";
        case zl::BoxAnswer::Yes:
            return "Yes";
        case zl::BoxAnswer::No:
            return "No";
    }
    return "?";
}

bool Allows(zl::BoxButtons b, zl::BoxAnswer a) {
    switch (b) {
        case zl::BoxButtons::Ok:
            return a == zl::BoxAnswer::Ok;
        case zl::BoxButtons::OkCancel:
            return a == zl::BoxAnswer::Ok || a == zl::BoxAnswer::Cancel;
        case zl::BoxButtons::YesNoCancel:
            return a != zl::BoxAnswer::Ok;
        case zl::BoxButtons::YesNo:
            return a == zl::BoxAnswer::Yes || a == zl::BoxAnswer::No;
    }
    return false;
}

bool WildcardMatch(std::u16string_view pattern, std::u16string_view text) {
    // Greedy match with backtracking to the last "*".
    std::size_t p = 0, t = 0, star = std::u16string_view::npos, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            mark = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

}  // namespace scenario
