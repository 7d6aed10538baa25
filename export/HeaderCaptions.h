// The configured captions that the exports put into their header rows: the labels of the votes,
// remark and joint-name fields with their decorations removed.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zl {

class Controls;

// The seven labels in header order: votes (1052), remarks 1050, 1051, 1045, joint names 1073,
// 1074, 1079.
extern const std::array<int, 7> kHeaderCaptionLabels;

// A label caption less every "【 " and " 】", and for the votes label also every "期待度 ".
std::u16string StripCaption(std::u16string_view caption, bool votesLabel);

// The seven stripped captions as the window shows them now.
std::array<std::u16string, 7> HeaderCaptions(const Controls& ui);

}  // namespace zl
