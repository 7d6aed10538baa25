#include "app/CzorvelDlg.h"
#include "links/MailEveryone.h"

namespace zl {

namespace {

constexpr int kPauseBetweenMails = 500;  // milliseconds

}  // namespace

void CzorvelDlg::OnBnClickedButtonMailEveryone() {
    if (roster_.Count() == 0) {
        ShowMessage(*p.boxes, u"データがありません。");
        return;
    }
    const RecipientPass pass = CollectRecipients(roster_.Lines());
    for (const std::u16string& duplicate : pass.duplicates)
        Log(u"BCCメール送信 重複メールアドレス = " + duplicate);
    if (pass.recipients.empty()) {
        ShowMessage(*p.boxes, u"全て未入力・無効アドレスです。\nメールアドレスを確認ください。");
        return;
    }
    const std::u16string question =
        MailConfirmText(pass.entries, static_cast<int>(pass.recipients.size()));
    if (ShowMessage(*p.boxes, question, BoxButtons::OkCancel, BoxIcon::Information) !=
        BoxAnswer::Ok)
        return;

    const MailTexts texts{settings.mailTo, settings.mailSubject, settings.mailBody, settings.mailCc,
                          settings.mailBcc};
    const std::vector<std::u16string> targets = MailTargets(texts, pass.recipients);
    // A mail the platform refuses is only logged; the next ones are still opened.
    for (std::size_t i = 0; i < targets.size(); ++i) {
        OpenLink(targets[i]);
        if (i + 1 < targets.size() && p.pause) p.pause->Wait(kPauseBetweenMails);
    }
}

}  // namespace zl
