// The links' and clipboard's rows of the window's event table.
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "app/EventTable.h"

namespace zl {

const EventBindings& LinkEventBindings() {
    static const EventBindings rows = {
        {UiEvent::DoubleClicked,
         {id::kMainList},
         [](CzorvelDlg& d, int) { d.OnMainListDoubleClicked(); }},
        // External links
        {UiEvent::Clicked, {id::kMap1}, [](CzorvelDlg& d, int) { d.OnBnClickedButtonMap(); }},
        {UiEvent::Clicked, {id::kMap2}, [](CzorvelDlg& d, int) { d.OnBnClickedButtonMap2(); }},
        {UiEvent::Clicked, {id::kMail}, [](CzorvelDlg& d, int) { d.OnBnClickedButtonMail(); }},
        {UiEvent::Clicked,
         {id::kRemark1Link, id::kRemark2Link, id::kRemark3Link},
         [](CzorvelDlg& d, int cid) { d.OnBnClickedButtonRemarkLink(cid); }},
        // Mail to everyone
        {UiEvent::Clicked,
         {id::kMailEveryone},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonMailEveryone(); }},
        // Clipboard transfer
        {UiEvent::Clicked, {id::kPhoneCopy}, [](CzorvelDlg& d, int) { d.CopyPhoneNumber(); }},
        {UiEvent::Clicked,
         {id::kCopyRecord},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonCopyRecord(); }},
        {UiEvent::Clicked,
         {id::kPasteRecord},
         [](CzorvelDlg& d, int) { d.OnBnClickedButtonPasteRecord(); }},
    };
    return rows;
}

}  // namespace zl
