#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "editing/FieldNormalisation.h"
#include "editing/FormAccess.h"
#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {

namespace {

constexpr std::u16string_view kAskAdd = u"データが入力されています。\n追加しますか？";
constexpr std::u16string_view kAskUpdate = u"データが変更されています。\n更新しますか？";
constexpr int kUnknownItem = 2;  // "不明" in the expectation list

}  // namespace

std::u16string CzorvelDlg::FormText() const {
    EntryValues v = ReadForm(ui);
    return BuildFields2To13(v, nullptr) + u"," + BuildFields15To22(v, nullptr);
}

bool CzorvelDlg::CheckFormChange() {
    if (FormText() == savedFormText) return true;
    bool loaded = !ui.Text(id::kNo).empty();
    BoxAnswer answer =
        ShowMessage(*p.boxes, loaded ? kAskUpdate : kAskAdd, BoxButtons::YesNoCancel);
    if (answer == BoxAnswer::No) return true;
    if (answer == BoxAnswer::Yes) {
        if (loaded) {
            ui.SetListSelection(id::kMainList, previousSelection);
            OnBnClickedButtonRevise();
        } else {
            OnBnClickedButtonAdd();
        }
    } else {
        // Cancel: the list goes back to what the form shows, so that Update cannot write the
        // form over the clicked line.
        ui.SetListSelection(id::kMainList, loaded ? previousSelection : -1);
        EnableUpdateDelete();
    }
    return false;
}

void CzorvelDlg::OnMainListSelectionChanged() {
    int index = ui.ListSelection(id::kMainList);
    if (index < 0 || index >= roster_.Count()) return;
    if (!CheckFormChange()) return;

    LoadedEntry e = ReadLine(roster_.Line(index));
    ui.SetText(id::kNo, e.no);
    ShowEntry(e);
    EnableUpdateDelete();
    RunLinkLeaveHandlers();
    OpenEntryLinks();

    previousSelection = index;
    savedFormText = FormText();
}

void CzorvelDlg::ShowEntry(const LoadedEntry& e) {
    const DateTime now = p.clock->Now();
    const EntryValues& v = e.values;
    ShowFormTexts(ui, v);
    switch (e.birthDate.kind) {
        case ReadDate::Kind::None:
            ui.SetPickerValue(id::kBirthDate, now);
            ui.SetPickerValue(id::kBirthDate, std::nullopt);
            break;
        case ReadDate::Kind::Date:
            ui.SetPickerValue(id::kBirthDate, e.birthDate.value);
            break;
        case ReadDate::Kind::Invalid:
            break;  // the picker keeps its date
    }
    ComputeAge();
    ui.SetChecked(id::kNoPhone, v.noPhone);
    ui.SetChecked(id::kNoMail, v.noMail);
    ui.SetChecked(id::kNoFlyer, v.noFlyer);
    ui.SetChecked(id::kNoPostcard, v.noPostcard);
    ReadDate registered = ReadRegistered(e.registeredText, now);
    if (registered.kind == ReadDate::Kind::Date)
        ui.SetPickerValue(id::kRegistered, registered.value);
    ui.SetComboSelection(id::kExpectation, e.expectationIndex);
}

void CzorvelDlg::RunLinkLeaveHandlers() {
    for (int field :
         {id::kMailOrUrl, id::kAddress, id::kPhone, id::kRemark1, id::kRemark2, id::kRemark3})
        OnFieldFocusOut(field);
}

void CzorvelDlg::EnableUpdateDelete() {
    bool selected = ui.ListSelection(id::kMainList) >= 0;
    ui.SetEnabled(id::kUpdate, selected);
    ui.SetEnabled(id::kDelete, selected);
}

namespace {

// What the whole-form clear and the four partial clears reset alike: the birthdate picker and
// age, the flags, the No, the registration time, the expectation, the votes, two remarks and
// the captions of the map and mail buttons.
void ResetEntryState(Controls& ui, const DateTime& now) {
    ui.SetPickerValue(id::kBirthDate, now);
    ui.SetPickerValue(id::kBirthDate, std::nullopt);
    ui.SetText(id::kAge, u"");
    for (int flag : {id::kNoPhone, id::kNoMail, id::kNoFlyer, id::kNoPostcard})
        ui.SetChecked(flag, false);
    ui.SetText(id::kNo, u"");
    ui.SetPickerValue(id::kRegistered, now);
    ui.SetComboSelection(id::kExpectation, kUnknownItem);
    ui.SetText(id::kVotes, u"");
    ui.SetText(id::kRemark1, u"");
    ui.SetText(id::kRemark2, u"");
    ui.SetText(id::kMap1, u"G地図");
    ui.SetText(id::kMail, u"メール");
}

void ClearTexts(Controls& ui, std::initializer_list<int> ids) {
    for (int field : ids) ui.SetText(field, u"");
}

}  // namespace

void CzorvelDlg::ClearForm() {
    ClearTexts(ui, {id::kName, id::kKana, id::kJoint1, id::kJoint2, id::kJoint3, id::kPostalCode,
                    id::kAddress, id::kPhone, id::kMailOrUrl, id::kBirthText});
    ResetEntryState(ui, p.clock->Now());
    ui.SetText(id::kRemark3, u"");
    for (int link : {id::kRemark1Link, id::kRemark2Link, id::kRemark3Link})
        ui.SetVisible(link, false);
    ui.SetFocus(id::kKana);
    ui.SetListSelection(id::kMainList, -1);
    EnableUpdateDelete();
    savedFormText = FormText();
}

void CzorvelDlg::OnClearName() {
    ResetEntryState(ui, p.clock->Now());
    ClearTexts(ui, {id::kName, id::kKana, id::kJoint1, id::kJoint2, id::kJoint3, id::kPhone,
                    id::kMailOrUrl, id::kBirthText});
    ui.SetListSelection(id::kMainList, -1);
    EnableUpdateDelete();
    ui.SetFocus(id::kPostalCode);
    ui.SetFocus(id::kKana);
}

void CzorvelDlg::OnClearAddress() {
    ResetEntryState(ui, p.clock->Now());
    ClearTexts(ui, {id::kPostalCode, id::kAddress, id::kPhone, id::kMailOrUrl, id::kBirthText});
    ui.SetVisible(id::kRemark1Link, false);
    ui.SetVisible(id::kRemark2Link, false);
    ui.SetListSelection(id::kMainList, -1);
    EnableUpdateDelete();
    ui.SetFocus(id::kPostalCode);
}

void CzorvelDlg::OnClearHouseNumber() {
    ResetEntryState(ui, p.clock->Now());
    std::u16string address = CutHouseNumber(ui.Text(id::kAddress));
    ui.SetText(id::kAddress, address);
    ClearTexts(ui, {id::kPhone, id::kMailOrUrl, id::kBirthText});
    ui.SetListSelection(id::kMainList, -1);
    EnableUpdateDelete();
    ui.SetFocus(id::kAddress);
    ui.SetTextSelection(id::kAddress, -1, -1);
}

void CzorvelDlg::OnClearGivenName() {
    ResetEntryState(ui, p.clock->Now());
    ui.SetText(id::kKana, CutGivenName(ui.Text(id::kKana)));
    ui.SetText(id::kName, CutGivenName(ui.Text(id::kName)));
    ClearTexts(ui,
               {id::kJoint1, id::kJoint2, id::kJoint3, id::kPhone, id::kMailOrUrl, id::kBirthText});
    ui.SetListSelection(id::kMainList, -1);
    EnableUpdateDelete();
    ui.SetFocus(id::kKana);
    ui.SetTextSelection(id::kKana, -1, -1);
}

}  // namespace zl
