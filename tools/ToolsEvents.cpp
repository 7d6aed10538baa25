// The list tools' rows of the window's event table.
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "app/EventTable.h"

namespace zl {

const EventBindings& ToolsEventBindings() {
    static const EventBindings rows = {
        {UiEvent::Clicked, {id::kSearch}, [](CzorvelDlg& d, int) { d.OnBnClickedButtonSearch(); }},
        {UiEvent::Clicked, {id::kSort}, [](CzorvelDlg& d, int) { d.OnBnClickedButtonSort(); }},
        {UiEvent::DropDownClosed, {id::kSortKey}, [](CzorvelDlg& d, int) { d.OnSortCloseUp(); }},
        {UiEvent::Clicked,
         {id::kNameDuplicates},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonNameDuplicates(); }},
        {UiEvent::Clicked,
         {id::kAddressDuplicates},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonAddressDuplicates(); }},
        {UiEvent::Clicked,
         {id::kJointMerge},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonJointMerge(); }},
    };
    return rows;
}

}  // namespace zl
