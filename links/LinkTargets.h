// The texts the link commands open: the two map searches, a mail to one person, and the cut
// that every opened text goes through.
#pragma once

#include <string>
#include <string_view>

namespace zl {

// The web map services: the first takes the address as a path segment after "/maps/search/",
// the second reads it from the fragment after "/map/#freeword,,".
inline constexpr std::u16string_view kFirstMapHost = u"https://www.google.com";
inline constexpr std::u16string_view kSecondMapHost = u"https://www.its-mo.com";

// The address is appended as typed: spaces and Japanese characters stay as they are.
std::u16string FirstMapTarget(std::u16string_view address);
std::u16string SecondMapTarget(std::u16string_view address);

// "mailto:" + name + "　様" + "<" + address + ">".
std::u16string PersonMailTarget(std::u16string_view name, std::u16string_view mail);

// What is opened of a text: a "mailto:" text whole; any other text from its first "http", or,
// without one, from its first "file"; else the text unchanged.
std::u16string CutLinkTarget(std::u16string_view text);

}  // namespace zl
