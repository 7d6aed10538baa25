#include "app/CzorvelDlg.h"

#include "app/ControlTable.h"

namespace zl {

CzorvelDlg::CzorvelDlg(Platform platform, AboutBox* aboutBox)
    : p(platform), ui(*platform.controls), about(aboutBox), log(*platform.clock) {}

void CzorvelDlg::Log(std::u16string_view text) {
    log.SetText(text);
    log.WriteLogLine();
}

// The event wiring: what each control's notification runs.
void CzorvelDlg::OnEvent(int cid, UiEvent event) {
    switch (event) {
        case UiEvent::Clicked:
            switch (cid) {
                case id::kAdd:
                    OnBnClickedButtonAdd();
                    break;
                case id::kUpdate:
                    OnBnClickedButtonRevise();
                    break;
                case id::kDelete:
                    OnBnClickedButtonDelete();
                    break;
                case id::kClearAll:
                    ClearForm();
                    break;
                case id::kClearName:
                    OnClearName();
                    break;
                case id::kClearGivenName:
                    OnClearGivenName();
                    break;
                case id::kClearAddress:
                    OnClearAddress();
                    break;
                case id::kClearHouseNumber:
                    OnClearHouseNumber();
                    break;
                case id::kSearch:
                    OnBnClickedButtonSearch();
                    break;
                case id::kSort:
                    OnBnClickedButtonSort();
                    break;
                case id::kNameDuplicates:
                    OnBnClickedButtonNameDuplicates();
                    break;
                case id::kAddressDuplicates:
                    OnBnClickedButtonAddressDuplicates();
                    break;
                case id::kJointMerge:
                    OnBnClickedButtonJointMerge();
                    break;
                case id::kReset:
                    OnBnClickedButtonReset();
                    break;
                case id::kSetCircleOne:
                    OnBnClickedButtonSetCircleOne();
                    break;
                case id::kManual:
                    OnManual();
                    break;
                case id::kSearchClear:
                    OnSearchClear();
                    break;
                case id::kNameClearBox:
                    OnNameClearBoxClicked();
                    break;
                case id::kTranscriptionBox:
                    OnTranscriptionBoxClicked();
                    break;
                case id::kSponsor:
                    OnSponsorLink();
                    break;
                default:
                    break;
            }
            break;
        case UiEvent::SelectionChanged:
            if (cid == id::kMainList) OnMainListSelectionChanged();
            break;
        case UiEvent::DoubleClicked:
            if (cid == id::kMainList) OnMainListDoubleClicked();
            break;
        case UiEvent::DateChanged:
        case UiEvent::CalendarClosed:
            if (cid == id::kBirthDate) OnBirthPickerChanged();
            break;
        case UiEvent::DropDownClosed:
            if (cid == id::kSortKey) OnSortCloseUp();
            break;
        case UiEvent::FocusIn:
            switch (cid) {
                case id::kSearchText:
                    searchBoxFocused = true;
                    OnFieldFocusIn(cid);
                    break;
                case id::kAdd:
                    addButtonFocused = true;
                    break;
                case id::kBirthDate:
                    OnBirthPickerFocusIn();
                    break;
                case id::kName:
                case id::kJoint1:
                case id::kJoint2:
                case id::kKana:
                case id::kAddress:
                case id::kPhone:
                case id::kMailOrUrl:
                case id::kBirthText:
                case id::kPostalCode:
                case id::kJoint3:
                case id::kVotes:
                case id::kRemark1:
                case id::kRemark2:
                case id::kRemark3:
                case id::kExpectation:
                    OnFieldFocusIn(cid);
                    break;
                default:
                    break;
            }
            break;
        case UiEvent::FocusOut:
            switch (cid) {
                case id::kSearchText:
                    searchBoxFocused = false;
                    break;
                case id::kAdd:
                    addButtonFocused = false;
                    break;
                case id::kBirthDate:
                    OnBirthPickerFocusOut();
                    break;
                case id::kName:
                case id::kKana:
                case id::kAddress:
                case id::kPhone:
                case id::kMailOrUrl:
                case id::kPostalCode:
                case id::kVotes:
                case id::kRemark1:
                case id::kRemark2:
                case id::kRemark3:
                case id::kBirthText:
                    OnFieldFocusOut(cid);
                    break;
                default:
                    break;
            }
            break;
    }
}

// Enter runs Search or Add depending on the focus; neither Enter nor Escape ever reaches the
// dialog's own handling, so they never press a default button or close the window.
bool CzorvelDlg::PreTranslateKey(Key key) {
    if (key == Key::Enter) {
        if (searchBoxFocused) OnBnClickedButtonSearch();
        if (addButtonFocused) OnBnClickedButtonAdd();
    }
    return true;
}

void CzorvelDlg::OnSystemCommand(int command) {
    if (command == kAboutCommand && about) about->Show();
}

}  // namespace zl
