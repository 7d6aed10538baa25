// The entry form's rows of the window's event table.
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "app/EventTable.h"

namespace zl {

const EventBindings& EditingEventBindings() {
    static const EventBindings rows = {
        {UiEvent::Clicked, {id::kAdd}, [](CzorvelDlg& d, int) { d.OnBnClickedButtonAdd(); }},
        {UiEvent::Clicked, {id::kUpdate}, [](CzorvelDlg& d, int) { d.OnBnClickedButtonRevise(); }},
        {UiEvent::Clicked, {id::kDelete}, [](CzorvelDlg& d, int) { d.OnBnClickedButtonDelete(); }},
        {UiEvent::Clicked, {id::kClearAll}, [](CzorvelDlg& d, int) { d.ClearForm(); }},
        {UiEvent::Clicked, {id::kClearName}, [](CzorvelDlg& d, int) { d.OnClearName(); }},
        {UiEvent::Clicked, {id::kClearGivenName}, [](CzorvelDlg& d, int) { d.OnClearGivenName(); }},
        {UiEvent::Clicked, {id::kClearAddress}, [](CzorvelDlg& d, int) { d.OnClearAddress(); }},
        {UiEvent::Clicked,
         {id::kClearHouseNumber},
         [](CzorvelDlg& d, int) { d.OnClearHouseNumber(); }},
        {UiEvent::Clicked, {id::kReset}, [](CzorvelDlg& d, int) { d.OnBnClickedButtonReset(); }},
        {UiEvent::Clicked,
         {id::kSetCircleOne},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonSetCircleOne(); }},
        {UiEvent::SelectionChanged,
         {id::kMainList},
         [](CzorvelDlg& d, int) { d.OnMainListSelectionChanged(); }},
        {UiEvent::DateChanged,
         {id::kBirthDate},
         [](CzorvelDlg& d, int) { d.OnBirthPickerChanged(); }},
        {UiEvent::CalendarClosed,
         {id::kBirthDate},
         [](CzorvelDlg& d, int) { d.OnBirthPickerChanged(); }},
        {UiEvent::FocusIn, {id::kBirthDate}, [](CzorvelDlg& d, int) { d.OnBirthPickerFocusIn(); }},
        {UiEvent::FocusOut,
         {id::kBirthDate},
         [](CzorvelDlg& d, int) { d.OnBirthPickerFocusOut(); }},
        // Input-method switching and field preparation.
        {UiEvent::FocusIn,
         {id::kName, id::kJoint1, id::kJoint2, id::kKana, id::kAddress, id::kPhone, id::kMailOrUrl,
          id::kBirthText, id::kPostalCode, id::kJoint3, id::kVotes, id::kRemark1, id::kRemark2,
          id::kRemark3, id::kExpectation},
         [](CzorvelDlg& d, int cid) { d.OnFieldFocusIn(cid); }},
        // Field normalisation and the birthdate reading.
        {UiEvent::FocusOut,
         {id::kName, id::kKana, id::kAddress, id::kPhone, id::kMailOrUrl, id::kPostalCode,
          id::kVotes, id::kRemark1, id::kRemark2, id::kRemark3, id::kBirthText},
         [](CzorvelDlg& d, int cid) { d.OnFieldFocusOut(cid); }},
    };
    return rows;
}

}  // namespace zl
