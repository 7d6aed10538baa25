#include "editing/FormAccess.h"

#include "app/ControlTable.h"

namespace zl {

EntryValues ReadForm(const Controls& ui) {
    EntryValues v;
    v.name = ui.Text(id::kName);
    v.kana = ui.Text(id::kKana);
    v.postalCode = ui.Text(id::kPostalCode);
    v.address = ui.Text(id::kAddress);
    v.phone = ui.Text(id::kPhone);
    v.mailOrUrl = ui.Text(id::kMailOrUrl);
    v.birthText = ui.Text(id::kBirthText);
    v.birthDate = ui.PickerValue(id::kBirthDate);
    v.noPhone = ui.Checked(id::kNoPhone);
    v.noMail = ui.Checked(id::kNoMail);
    v.noFlyer = ui.Checked(id::kNoFlyer);
    v.noPostcard = ui.Checked(id::kNoPostcard);
    int item = ui.ComboSelection(id::kExpectation);
    v.expectation = item < 0 ? std::u16string() : ui.ComboItem(id::kExpectation, item);
    v.votes = ui.Text(id::kVotes);
    v.remark1 = ui.Text(id::kRemark1);
    v.remark2 = ui.Text(id::kRemark2);
    v.remark3 = ui.Text(id::kRemark3);
    v.joint1 = ui.Text(id::kJoint1);
    v.joint2 = ui.Text(id::kJoint2);
    v.joint3 = ui.Text(id::kJoint3);
    return v;
}

}  // namespace zl
