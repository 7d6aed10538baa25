// Mail to everyone on the whole roster: the recipients' pass and the mails' targets; the
// entry copy and paste text.
#include <cstdio>

#include "Bench.h"
#include "links/ClipEntry.h"
#include "links/MailEveryone.h"

namespace bench {
namespace {

using namespace zl;

bool MailEveryone(const std::vector<std::u16string>& lines) {
    RecipientPass pass;
    std::printf("recipients' pass:       %8.1f ms\n",
                Millis([&] { pass = CollectRecipients(lines); }));
    std::vector<std::u16string> targets;
    const MailTexts texts{u"", u"ご案内", u"本文", u"", u""};
    std::printf("mail targets:           %8.1f ms\n",
                Millis([&] { targets = MailTargets(texts, pass.recipients); }));
    std::printf("%d entries, %zu recipients, %zu duplicates, %zu mails\n", pass.entries,
                pass.recipients.size(), pass.duplicates.size(), targets.size());

    int pasted = 0;
    std::printf("paste text read (all):  %8.1f ms\n", Millis([&] {
                    for (const std::u16string& line : lines)
                        pasted += ReadClipEntryText(FirstPastedLine(line)).has_value();
                }));
    return targets.size() ==
               static_cast<std::size_t>(MailCount(static_cast<int>(pass.recipients.size()))) &&
           pasted == pass.entries;
}

const Register links("links", MailEveryone);

}  // namespace
}  // namespace bench
