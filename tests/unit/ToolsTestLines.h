// Roster lines for the list-tool tests.
#pragma once

#include <string>
#include <string_view>

#include "platform/TextUtil.h"

namespace zl::testing {

struct LineParts {
    std::u16string_view name = u"", kana = u"", postalCode = u"", address = u"";
    std::u16string_view birthDate = u"    /  /  ";
    std::u16string_view registered = u"2024/01/01 10:00:00";
    std::u16string_view joint1 = u"";
};

inline std::u16string MakeLine(int no, const LineParts& p) {
    std::u16string s = u"No." + ZeroPad(no % 10000, 4);
    auto add = [&s](std::u16string_view f) {
        s += u",";
        s += f;
    };
    add(p.name);
    add(p.kana);
    add(p.postalCode);
    add(p.address);
    add(u"03-1234-5678");
    add(u"");
    add(u"");
    add(p.birthDate);
    for (int i = 0; i < 4; ++i) add(u"OFF");
    add(p.registered);
    add(u"不明");
    add(u"0");
    for (int i = 0; i < 3; ++i) add(u"");
    add(p.joint1);
    add(u"");
    add(u"");
    return s;
}

}  // namespace zl::testing
