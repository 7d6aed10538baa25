#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "editing/Birthdate.h"

namespace zl {

void CzorvelDlg::ParseBirthText() {
    std::u16string text = CleanBirthText(ui.Text(id::kBirthText));
    ui.SetText(id::kBirthText, text);
    ui.SetPickerValue(id::kBirthDate, ParseBirthDate(text));
    ComputeAge();
}

void CzorvelDlg::ComputeAge() {
    ui.SetText(id::kAge, AgeText(ui.PickerValue(id::kBirthDate), p.clock->Now()));
}

void CzorvelDlg::OnBirthPickerChanged() { ComputeAge(); }

void CzorvelDlg::OnBirthPickerFocusIn() { SwitchInputMethod(id::kBirthDate, false); }

void CzorvelDlg::OnBirthPickerFocusOut() {
    if (std::optional<DateTime> date = ui.PickerValue(id::kBirthDate))
        ui.SetText(id::kBirthText, FormatBirthText(*date));
}

}  // namespace zl
