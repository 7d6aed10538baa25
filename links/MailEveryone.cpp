#include "links/MailEveryone.h"

#include <algorithm>
#include <unordered_set>

#include "platform/CodePage932.h"
#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {

RecipientPass CollectRecipients(const std::vector<std::u16string>& lines) {
    RecipientPass pass;
    pass.entries = static_cast<int>(lines.size());
    std::unordered_set<std::string> taken;
    for (const std::u16string& line : lines) {
        const std::u16string address = GetField(RosterField::MailOrUrl, line).text;
        if (address.empty() || GetField(RosterField::NoMail, line).text != u"OFF") continue;
        const std::u16string person =
            GetField(RosterField::Name, line).text + u"　様<" + address + u">";
        if (!taken.insert(ToCp932(address)).second) {
            pass.duplicates.push_back(line.substr(0, 7) + u" " + person);
            continue;
        }
        pass.recipients.push_back(person);
    }
    return pass;
}

int MailCount(int recipients) { return (recipients + kRecipientsPerMail - 1) / kRecipientsPerMail; }

namespace {

constexpr std::u16string_view kSplitNote =
    u"\n1通のメールで可能な同報数の上限を超える可能性がありますので、"
    u"それぞれ50アドレス以下の";
constexpr std::u16string_view kSettingsNote =
    u"\n(リストアドレスのBCC設定の他に、"
    u"初期設定ファイルzorvel.iniで記述のTO、CC、BCC、件名、本文が反映されます。)";

}  // namespace

std::u16string MailConfirmText(int entries, int recipients) {
    const int skipped = entries - recipients;
    std::u16string text;
    if (skipped == 0) {
        text = u"全" + ToU16(entries) + u"名にBCCメール送信します。";
    } else {
        text = u"未入力・無効・重複(2件目以降)アドレス" + ToU16(skipped) + u"名を除き、残り全" +
               ToU16(recipients) + u"名にBCCメール送信します。";
        // The note about the split belongs to this form only.
        if (const int mails = MailCount(recipients); mails > 1)
            text += std::u16string(kSplitNote) + ToU16(mails) + u"通に分割して送信します。";
    }
    return text + std::u16string(kSettingsNote);
}

std::u16string ComposeMailTarget(const MailTexts& t, std::u16string_view recipientList) {
    std::u16string target = u"mailto:" + t.to + u"?subject=" + t.subject;
    if (!t.body.empty()) target += u"&body=" + t.body + u"%0d%0a";
    if (!t.cc.empty()) target += u"&cc=" + t.cc;
    target += u"&bcc=";
    target += recipientList;
    if (!t.bcc.empty()) target += u"," + t.bcc;
    return target;
}

std::vector<std::u16string> MailTargets(const MailTexts& texts,
                                        const std::vector<std::u16string>& recipients) {
    std::vector<std::u16string> targets;
    for (std::size_t first = 0; first < recipients.size(); first += kRecipientsPerMail) {
        const std::size_t end = std::min(first + kRecipientsPerMail, recipients.size());
        std::u16string list = recipients[first];
        for (std::size_t i = first + 1; i < end; ++i) {
            list += u',';
            list += recipients[i];
        }
        // Composed in the code page the mail program receives, as the addresses compared.
        targets.push_back(FromCp932(ToCp932(ComposeMailTarget(texts, list))));
    }
    return targets;
}

}  // namespace zl
