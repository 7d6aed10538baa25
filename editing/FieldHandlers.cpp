#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "editing/FieldNormalisation.h"
#include "platform/TextUtil.h"
#include "tools/ShortenAddress.h"

namespace zl {

namespace {

constexpr std::u16string_view kWideSpace = u"　";

// Whether the input method is on (Japanese input) in a field of the form.
bool WantsInputMethod(int field) {
    switch (field) {
        case id::kKana:
        case id::kName:
        case id::kAddress:
        case id::kJoint1:
        case id::kJoint2:
        case id::kJoint3:
        case id::kRemark1:
        case id::kRemark2:
        case id::kRemark3:
        case id::kExpectation:
            return true;
        default:
            return false;
    }
}

int RemarkLink(int remark) {
    switch (remark) {
        case id::kRemark1:
            return id::kRemark1Link;
        case id::kRemark2:
            return id::kRemark2Link;
        default:
            return id::kRemark3Link;
    }
}

}  // namespace

void CzorvelDlg::SwitchInputMethod(int field, bool open) {
    if (settings.imeControl && p.inputMethod) p.inputMethod->SetOpen(field, open);
}

void CzorvelDlg::OnFieldFocusIn(int field) {
    if (leaveHandlerBusy) return;
    SwitchInputMethod(field, WantsInputMethod(field));
    switch (field) {
        case id::kKana:
            ui.SetTextSelection(id::kKana, -1, -1);
            break;
        case id::kName: {
            NamePrefill r = PrefillName(ui.Text(id::kName), ui.Text(id::kKana));
            if (r.name != ui.Text(id::kName)) ui.SetText(id::kName, r.name);
            ui.SetTextSelection(id::kName, r.selectFrom, r.selectTo);
            break;
        }
        case id::kAddress: {
            std::u16string postalCode = ui.Text(id::kPostalCode);
            if (ui.Text(id::kAddress).empty() && postalCode.size() == 8) {
                // The input method's postal-code dictionary turns the selection into an address.
                ui.SetText(id::kAddress, postalCode);
                ui.SetTextSelection(id::kAddress, 0, -1);
            } else {
                ui.SetTextSelection(id::kAddress, -1, -1);
            }
            break;
        }
        default:
            break;
    }
}

void CzorvelDlg::OnFieldFocusOut(int field) {
    if (leaveHandlerBusy) return;
    // A message box takes the focus away and the focus is given back afterwards: neither may
    // run a handler again.
    struct Busy {
        bool& flag;
        explicit Busy(bool& f) : flag(f) { flag = true; }
        ~Busy() { flag = false; }
    };

    switch (field) {
        case id::kPostalCode:
            ui.SetText(id::kPostalCode, NormalisePostalCode(ui.Text(id::kPostalCode)));
            break;

        case id::kPhone: {
            std::u16string phone = ui.Text(id::kPhone);
            std::u16string kind = LinkKind(phone);
            if (!kind.empty()) {
                ui.SetText(id::kPhoneCopy, kind);
            } else {
                ui.SetText(id::kPhoneCopy, u"コピー");
                ui.SetText(id::kPhone, NormalisePhone(phone));
            }
            break;
        }

        case id::kMailOrUrl: {
            std::u16string mail = ui.Text(id::kMailOrUrl);
            std::u16string kind = LinkKind(Trim(mail));
            if (!kind.empty()) {
                ui.SetText(id::kMail, kind);
                ui.SetChecked(id::kNoMail, true);
                break;
            }
            ui.SetText(id::kMail, u"メール");
            MailCheck check = CheckMailText(mail);
            if (check.rewrite) ui.SetText(id::kMailOrUrl, check.text);
            if (check.setNoMail) ui.SetChecked(id::kNoMail, true);
            break;
        }

        case id::kAddress: {
            if (settings.banchiRemove)
                ui.SetText(id::kAddress, ShortenAddress(ui.Text(id::kAddress)));
            std::u16string kind = LinkKind(ui.Text(id::kAddress));
            if (kind.empty()) {
                ui.SetVisible(id::kMap1, true);
                ui.SetText(id::kMap1, u"G地図");
                ui.SetText(id::kMap2, u"Z地図");
            } else {
                ui.SetText(id::kMap2, kind);
                ui.SetVisible(id::kMap1, false);
            }
            if (ui.Checked(id::kTranscriptionBox)) ui.SetFocus(id::kBirthText);
            break;
        }

        case id::kVotes: {
            std::u16string votes = ui.Text(id::kVotes);
            if (votes.empty()) break;
            if (!IsValidVotesText(votes)) {
                Busy busy(leaveHandlerBusy);
                ShowMessage(*p.boxes, u"半角文字、正の整数を入力してください。");
                ui.SetFocus(id::kVotes);
                ui.SetTextSelection(id::kVotes, 0, -1);
                break;
            }
            ui.SetText(id::kVotes, FormatVotes(votes));
            break;
        }

        case id::kRemark1:
        case id::kRemark2:
        case id::kRemark3: {
            std::u16string kind = LinkKind(ui.Text(field));
            int link = RemarkLink(field);
            if (kind.empty()) {
                ui.SetVisible(link, false);
            } else {
                ui.SetText(link, kind);
                ui.SetVisible(link, true);
            }
            break;
        }

        case id::kKana:
        case id::kName: {
            std::u16string text = ui.Text(field);
            if (!Contains(text, u" ")) break;
            std::u16string_view label =
                field == id::kKana ? u"【 なまえ(ふりがな) 】" : u"【 名前 】";
            Busy busy(leaveHandlerBusy);
            std::u16string question = std::u16string(label) +
                                      u"欄の半角スペースを全角スペースに置換しますか？\r"
                                      u"(姓と名の間に全角スペースを入力)";
            if (ShowMessage(*p.boxes, question, BoxButtons::OkCancel) != BoxAnswer::Ok) break;
            ui.SetText(field, ReplaceAll(text, u" ", kWideSpace));
            ShowMessage(*p.boxes,
                        std::u16string(label) + u"欄の半角スペースを全角スペースに置換しました。");
            break;
        }

        case id::kBirthText:
            ParseBirthText();
            break;

        default:
            break;
    }
}

}  // namespace zl
