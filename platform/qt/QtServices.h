// The outside world on Qt and the system: message boxes, the save dialog, the clock, the
// machine, the input method, the clipboard, the shell, the pause, and the about box.
#pragma once

#include <QDialog>
#include <QWidget>
#include <map>

#include "app/CzorvelDlg.h"
#include "platform/Services.h"
#include "platform/qt/QtInputMethod.h"

namespace zl {

class QtMainWindow;

// Message box text with "\r\n", "\r" and "\n" each as one line break.
QString BoxText(std::u16string_view text);

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* owner) : owner_(owner) {}
    BoxAnswer Show(std::u16string_view text, BoxIcon icon, BoxButtons buttons) override;

private:
    QWidget* owner_;
};

class QtSaveDialog : public SaveDialog {
public:
    QtSaveDialog(QWidget* owner, std::u16string folder)
        : owner_(owner), folder_(std::move(folder)) {}
    std::optional<std::u16string> AskSavePath(const SaveRequest& request) override;

private:
    QWidget* owner_;
    std::u16string folder_;
};

class QtClock : public Clock {
public:
    DateTime Now() override;
};

class QtSystemInfo : public SystemInfo {
public:
    std::u16string ExecutablePath() override;
    std::u16string ComputerName() override;
};

// The desktop's clipboard holds Unicode text: what the program puts is converted from code page
// 932, what it takes is converted to it, so a character the code page lacks arrives as "?" as
// between two windows of the program, while other programs exchange ordinary text with it.
// Opening and emptying cannot fail here.
class QtClipboard : public Clipboard {
public:
    bool HasText() override;
    bool Open() override { return true; }
    bool Empty() override;
    int SetText(std::string_view bytes) override;
    std::optional<std::string> GetText() override;
    void Close() override {}
};

// Opens web addresses and mailto texts percent-encoded for the desktop, files by their path.
class QtShell : public Shell {
public:
    int Open(std::u16string_view target) override;
};

class QtPause : public Pause {
public:
    void Wait(int milliseconds) override;
};

// "バージョン情報 zorvel": the icon, the version line, one more line and OK.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent);
};

class QtAboutBox : public AboutBox {
public:
    explicit QtAboutBox(QWidget* owner) : owner_(owner) {}
    void Show() override;

private:
    QWidget* owner_;
};

}  // namespace zl
