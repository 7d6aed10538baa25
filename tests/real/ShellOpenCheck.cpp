// zorvel-open-check RECEIVED: composes a mail to everyone from a small roster and settings
// holding spaces, Japanese text, "<", ">" and the full-width space, opens it with the real
// shell open, waits for the mail program registered for "mailto:" to write the target it was
// given into RECEIVED, and checks that its recipients, subject and body decode back to the
// composed text.
#include <QApplication>
#include <QFile>
#include <QThread>
#include <QUrl>
#include <iostream>

#include "links/MailEveryone.h"
#include "platform/TextUtil.h"
#include "platform/qt/QtServices.h"

namespace {

std::u16string Between(const std::u16string& s, std::u16string_view from, std::u16string_view to) {
    const std::size_t a = s.find(from);
    if (a == std::u16string::npos) return u"(missing)";
    const std::size_t b = s.find(to, a + from.size());
    return s.substr(a + from.size(),
                    b == std::u16string::npos ? std::u16string::npos : b - a - from.size());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: zorvel-open-check RECEIVED" << std::endl;
        return 2;
    }
    const std::vector<std::u16string> lines = {
        u"No.0001,山田　太郎,,,,,taro@example.jp,,    /  /  ,OFF,OFF,OFF,OFF,2024/01/10 "
        u"10:00:00,不明,1,,,,,,",
        u"No.0002,Suzuki Ichiro,,,,,profile@example.com,,    /  /  ,OFF,OFF,OFF,OFF,2024/01/10 "
        u"10:00:00,不明,1,,,,,,",
    };
    zl::MailTexts texts;
    texts.to = u"本部 <hq@example.jp>";
    texts.subject = u"ご案内　7/1 (土)";
    texts.body = u"詳しくは http://example.jp/a?b=1 をご覧ください";
    texts.cc = u"cc@example.jp";
    texts.bcc = u"me@example.jp";
    const zl::RecipientPass pass = zl::CollectRecipients(lines);
    const std::u16string target = zl::MailTargets(texts, pass.recipients).front();
    std::cout << "composed: " << zl::ToUtf8(target) << std::endl;

    zl::QtShell shell;
    const int result = shell.Open(target);
    std::cout << "open: " << result << std::endl;
    if (result <= 32) return 1;

    QFile received(QString::fromLocal8Bit(argv[1]));
    for (int i = 0; i < 200 && !(received.exists() && received.size() > 0); ++i)
        QThread::msleep(50);
    if (!received.open(QIODevice::ReadOnly)) {
        std::cout << "FAILED: the mail program was not started" << std::endl;
        return 1;
    }
    const QByteArray url = received.readAll().trimmed();
    std::cout << "received: " << url.toStdString() << std::endl;
    const std::u16string decoded = QUrl::fromPercentEncoding(url).toStdU16String();

    int failures = 0;
    auto check = [&](const char* what, const std::u16string& want, const std::u16string& got) {
        if (want == got) return;
        ++failures;
        std::cout << "FAILED: " << what << ": expected " << zl::ToUtf8(want) << ", found "
                  << zl::ToUtf8(got) << std::endl;
    };
    // The text as composed, with the body's line end as the characters it stands for.
    check("the whole target", zl::ReplaceAll(target, u"%0d%0a", u"\r\n"), decoded);
    check("To", texts.to, Between(decoded, u"mailto:", u"?subject="));
    check("Subject", texts.subject, Between(decoded, u"?subject=", u"&body="));
    check("Body", texts.body + u"\r\n", Between(decoded, u"&body=", u"&cc="));
    check("Cc", texts.cc, Between(decoded, u"&cc=", u"&bcc="));
    check("Bcc",
          u"山田　太郎　様<taro@example.jp>,Suzuki Ichiro　様<profile@example.com>,me@example.jp",
          Between(decoded, u"&bcc=", u"\n"));
    std::cout << (failures ? "FAILED" : "passed") << std::endl;
    return failures ? 1 : 0;
}
