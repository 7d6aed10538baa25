// Small helpers shared by the runner's parts: text conversions, failure texts, names of box
// icons, buttons and answers.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "platform/Services.h"
#include "platform/qt/QtConvert.h"

namespace scenario {

using zl::Q;
std::u16string U8(const std::string& s);
std::string ToU8(std::u16string_view s);

// A text shown in a failure message: quoted, with line breaks visible.
std::string Show(std::u16string_view s);
std::string Show(const std::string& s);

bool ParseDateTime(const std::string& date, const std::string& time, zl::DateTime& t);

std::string IconName(zl::BoxIcon i);
std::string ButtonsName(zl::BoxButtons b);
std::string AnswerName(zl::BoxAnswer a);
bool Allows(zl::BoxButtons b, zl::BoxAnswer a);

// A text with "*" matching any run of characters.
bool WildcardMatch(std::u16string_view pattern, std::u16string_view text);

}  // namespace scenario
