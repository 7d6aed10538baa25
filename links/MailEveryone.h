// Mail to everyone: who may be mailed, the confirmation, and the mails of at most 50
// blind-copy recipients each.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zl {

inline constexpr int kRecipientsPerMail = 50;

// The settings' texts added to every mail, inserted as they are.
struct MailTexts {
    std::u16string to, subject, body, cc, bcc;
};

struct RecipientPass {
    int entries = 0;
    // "Name　様<address>" of each entry that may be mailed, the first of each address, in list
    // order.
    std::vector<std::u16string> recipients;
    // "No.nnnn Name　様<address>" of each later entry with an address already taken.
    std::vector<std::u16string> duplicates;
    int skipped() const { return entries - static_cast<int>(recipients.size()); }
};

// An entry is a recipient when its address is not empty, its NoMail field is exactly "OFF",
// and no earlier entry has the same address (compared as code page 932 text).
RecipientPass CollectRecipients(const std::vector<std::u16string>& lines);

// (recipients + 49) / 50.
int MailCount(int recipients);

// The confirmation's text for n entries of which k are recipients.
std::u16string MailConfirmText(int entries, int recipients);

// "mailto:" + To + "?subject=" + Subject [+ "&body=" + Body + "%0d%0a"] [+ "&cc=" + Cc]
// + "&bcc=" + list [+ "," + Bcc].
std::u16string ComposeMailTarget(const MailTexts& texts, std::u16string_view recipientList);

// One target per mail: the recipients in order, 50 to a mail, the last mail the rest.
std::vector<std::u16string> MailTargets(const MailTexts& texts,
                                        const std::vector<std::u16string>& recipients);

}  // namespace zl
