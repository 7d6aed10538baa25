#include "export/ExportSteps.h"

#include "app/ControlTable.h"
#include "export/BirthMonthFilter.h"
#include "platform/Services.h"

namespace zl {

std::u16string BirthMonthTitle(std::u16string_view selectorText) {
    return u"誕生月『" + std::u16string(selectorText) + u"』";
}

std::u16string BirthMonthSelectorText(const Controls& ui) {
    const int item = ui.ComboSelection(id::kBirthMonth);
    return item < 0 ? std::u16string() : ui.ComboItem(id::kBirthMonth, item);
}

bool FindBirthMonthData(MessageBoxes& boxes, const std::vector<std::u16string>& lines,
                        std::u16string_view selectorText,
                        const std::optional<std::u16string>& key) {
    for (const std::u16string& line : lines)
        if (BirthMonthMatches(line, key)) return true;
    ShowMessage(boxes, BirthMonthTitle(selectorText) + u"のデータがありません。");
    return false;
}

bool ConfirmExport(Controls& ui, MessageBoxes& boxes, std::u16string_view question) {
    if (boxes.Show(question, BoxIcon::Information, BoxButtons::OkCancel) == BoxAnswer::Ok)
        return true;
    ui.SetFocus(id::kBirthMonth);
    return false;
}

}  // namespace zl
