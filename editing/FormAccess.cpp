#include "editing/FormAccess.h"

#include "app/ControlTable.h"

namespace zl {
namespace {

// The edits of the form and the value each one shows.
struct TextField {
    int id;
    std::u16string EntryValues::*value;
};
constexpr TextField kTextFields[] = {
    {id::kName, &EntryValues::name},
    {id::kKana, &EntryValues::kana},
    {id::kPostalCode, &EntryValues::postalCode},
    {id::kAddress, &EntryValues::address},
    {id::kPhone, &EntryValues::phone},
    {id::kMailOrUrl, &EntryValues::mailOrUrl},
    {id::kBirthText, &EntryValues::birthText},
    {id::kVotes, &EntryValues::votes},
    {id::kRemark1, &EntryValues::remark1},
    {id::kRemark2, &EntryValues::remark2},
    {id::kRemark3, &EntryValues::remark3},
    {id::kJoint1, &EntryValues::joint1},
    {id::kJoint2, &EntryValues::joint2},
    {id::kJoint3, &EntryValues::joint3},
};

}  // namespace

EntryValues ReadForm(const Controls& ui) {
    EntryValues v;
    for (const TextField& f : kTextFields) v.*f.value = ui.Text(f.id);
    v.birthDate = ui.PickerValue(id::kBirthDate);
    v.noPhone = ui.Checked(id::kNoPhone);
    v.noMail = ui.Checked(id::kNoMail);
    v.noFlyer = ui.Checked(id::kNoFlyer);
    v.noPostcard = ui.Checked(id::kNoPostcard);
    int item = ui.ComboSelection(id::kExpectation);
    v.expectation = item < 0 ? std::u16string() : ui.ComboItem(id::kExpectation, item);
    return v;
}

void ShowFormTexts(Controls& ui, const EntryValues& v) {
    for (const TextField& f : kTextFields) ui.SetText(f.id, v.*f.value);
}

}  // namespace zl
