#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSysInfo>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/CodePage932.h"
#include "platform/DesktopUrl.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtConvert.h"

namespace zl {

namespace {

// The button captions of the Japanese message box.
const QString kYes = QStringLiteral("はい(&Y)");
const QString kNo = QStringLiteral("いいえ(&N)");
const QString kCancel = QStringLiteral("キャンセル");
const QString kOk = QStringLiteral("OK");

}  // namespace

QString BoxText(std::u16string_view text) {
    QString out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            out += QLatin1Char('\n');
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            out += QChar(text[i]);
        }
    }
    return out;
}

BoxAnswer QtMessageBoxes::Show(std::u16string_view text, BoxIcon icon, BoxButtons buttons) {
    QMessageBox box(owner_);
    box.setWindowTitle(QStringLiteral("zorvel"));
    box.setTextFormat(Qt::PlainText);
    box.setText(BoxText(text));
    switch (icon) {
        case BoxIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case BoxIcon::Exclamation:
        case BoxIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case BoxIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    switch (buttons) {
        case BoxButtons::Ok:
            ok = box.addButton(kOk, QMessageBox::AcceptRole);
            box.setEscapeButton(ok);
            break;
        case BoxButtons::OkCancel:
            ok = box.addButton(kOk, QMessageBox::AcceptRole);
            cancel = box.addButton(kCancel, QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
            break;
        case BoxButtons::YesNoCancel:
            yes = box.addButton(kYes, QMessageBox::YesRole);
            no = box.addButton(kNo, QMessageBox::NoRole);
            cancel = box.addButton(kCancel, QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
            break;
        case BoxButtons::YesNo:
            yes = box.addButton(kYes, QMessageBox::YesRole);
            no = box.addButton(kNo, QMessageBox::NoRole);
            break;
    }
    box.setDefaultButton(ok ? ok : yes);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes) return BoxAnswer::Yes;
    if (clicked && clicked == no) return BoxAnswer::No;
    if (clicked && clicked == ok) return BoxAnswer::Ok;
    if (cancel) return BoxAnswer::Cancel;
    return ok ? BoxAnswer::Ok : BoxAnswer::No;
}

namespace {

// The save dialog asks its own question before an existing file is replaced, in the program's
// language; Qt's question would follow the system's.
class OverwriteAskingDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    bool confirm = true;

    void accept() override {
        const QStringList files = selectedFiles();
        if (confirm && !files.isEmpty()) {
            const QFileInfo info(files.first());
            if (info.exists() && !info.isDir()) {
                QMessageBox box(this);
                box.setWindowTitle(QStringLiteral("名前を付けて保存の確認"));
                box.setIcon(QMessageBox::Warning);
                box.setTextFormat(Qt::PlainText);
                box.setText(info.fileName() +
                            QStringLiteral(" は既に存在します。\n上書きしますか?"));
                QPushButton* yes = box.addButton(kYes, QMessageBox::YesRole);
                QPushButton* no = box.addButton(kNo, QMessageBox::NoRole);
                box.setDefaultButton(no);
                box.setEscapeButton(no);
                box.exec();
                if (box.clickedButton() != yes) return;
            }
        }
        QFileDialog::accept();
    }
};

}  // namespace

std::optional<std::u16string> QtSaveDialog::AskSavePath(const SaveRequest& request) {
    const QString start = QDir(Q(folder_)).filePath(Q(request.defaultName));
    QStringList filters;
    for (const FileFilter& f : request.filters)
        filters << Q(f.name) + QStringLiteral(" (") + Q(f.patterns) + QLatin1Char(')');
    const QString filter = filters.isEmpty() ? Q(request.filter) : filters.join(";;");
    OverwriteAskingDialog dialog(owner_, Q(request.title), start, filter);
    dialog.confirm = request.confirmOverwrite;
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(Q(request.defaultExt));
    if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdU16String();
}

DateTime QtClock::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::u16string QtSystemInfo::ExecutablePath() {
    return QCoreApplication::applicationFilePath().toStdU16String();
}

std::u16string QtSystemInfo::ComputerName() {
    return QSysInfo::machineHostName().left(15).toStdU16String();
}

bool QtClipboard::HasText() {
    QClipboard* c = QGuiApplication::clipboard();
    const QMimeData* data = c ? c->mimeData() : nullptr;
    return data && data->hasText();
}

bool QtClipboard::Empty() {
    if (QClipboard* c = QGuiApplication::clipboard()) c->clear();
    return true;
}

int QtClipboard::SetText(std::string_view bytes) {
    QClipboard* c = QGuiApplication::clipboard();
    if (!c) return 1;
    c->setText(Q(FromCp932(bytes)));
    return 0;
}

std::optional<std::string> QtClipboard::GetText() {
    if (!HasText()) return std::nullopt;
    return ToCp932(QGuiApplication::clipboard()->text().toStdU16String());
}

int QtShell::Open(std::u16string_view target) {
    const QString text = Q(target);
    if (text.isEmpty()) return 2;
    QUrl url;
    if (text.startsWith(QStringLiteral("http")) || text.startsWith(QStringLiteral("mailto:")) ||
        text.startsWith(QStringLiteral("file:"))) {
        // The program's texts hold spaces, Japanese text and "<", ">" as typed; the desktop
        // takes them percent-encoded.
        url = QUrl::fromEncoded(QByteArray::fromStdString(EncodeForDesktop(target)));
    } else {
        if (!QFileInfo::exists(text)) return 2;
        url = QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    }
    if (!url.isValid() || url.scheme().isEmpty()) return 2;
    return QDesktopServices::openUrl(url) ? 42 : 2;
}

void QtPause::Wait(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("バージョン情報 zorvel"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    auto* version = new QLabel(QStringLiteral("zorvel, Version 2.29"), this);
    auto* second = new QLabel(QStringLiteral("支援者・参加者名簿の管理"), this);
    auto* text = new QVBoxLayout;
    text->addWidget(version);
    text->addWidget(second);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(text, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

void QtAboutBox::Show() {
    CAboutDlg dialog(owner_);
    dialog.exec();
}

}  // namespace zl
