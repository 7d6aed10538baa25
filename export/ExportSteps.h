// The steps that the exports share before they write anything: the empty-list message, the
// birth-month selector's text, the no-data message of a month, and the confirmation whose
// Cancel puts the focus back on the selector.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zl {

class Controls;
class MessageBoxes;

inline constexpr std::u16string_view kNoDataMessage = u"データがありません。";

// "誕生月『" + selector text + "』": the messages' and the default names' title of a month.
std::u16string BirthMonthTitle(std::u16string_view selectorText);

// The text of the item selected in the birth-month selector 1049, leading space included.
std::u16string BirthMonthSelectorText(const Controls& ui);

// Whether any line matches the month; shows "誕生月『…』のデータがありません。" when none does.
bool FindBirthMonthData(MessageBoxes& boxes, const std::vector<std::u16string>& lines,
                        std::u16string_view selectorText, const std::optional<std::u16string>& key);

// Asks the question with OK and Cancel (information icon); on Cancel the focus goes to the
// birth-month selector. True for OK.
bool ConfirmExport(Controls& ui, MessageBoxes& boxes, std::u16string_view question);

}  // namespace zl
