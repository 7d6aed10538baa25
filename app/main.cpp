// The process: the Qt application, the real outside world, the main window and its logic.
#include <QApplication>

#include "app/CzorvelDlg.h"
#include "platform/FolderLock.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/XlsxSpreadsheet.h"
#include "roster/Paths.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvel"));
    QApplication::setFont(zl::DialogFont());
    QApplication::setWindowIcon(zl::AppIcon());

    zl::QtMainWindow window;
    zl::QtMessageBoxes boxes(&window);
    zl::QtClock clock;
    zl::QtSystemInfo system;
    zl::QtSaveDialog saveDialog(&window, QCoreApplication::applicationDirPath().toStdU16String());
    zl::QtInputMethod inputMethod(&window);
    zl::QtClipboard clipboard;
    zl::QtShell shell;
    zl::QtPause pause;
    zl::QtAboutBox about(&window);
    zl::XlsxSpreadsheet spreadsheet(
        zl::Paths::FromExecutable(system.ExecutablePath()).workbookFolder, clock, shell);
    zl::FlockFolderLock folderLock;

    zl::Platform platform;
    platform.controls = &window;
    platform.boxes = &boxes;
    platform.saveDialog = &saveDialog;
    platform.clock = &clock;
    platform.system = &system;
    platform.inputMethod = &inputMethod;
    platform.clipboard = &clipboard;
    platform.shell = &shell;
    platform.pause = &pause;
    platform.spreadsheet = &spreadsheet;
    platform.folderLock = &folderLock;

    zl::CzorvelDlg dlg(platform, &about);
    window.Attach(&dlg, &dlg.roster());
    window.Start();
    if (dlg.ended) return 1;
    window.show();
    return app.exec();
}
