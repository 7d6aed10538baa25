// The commands that script the outside world and drive the window as a user does.
#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "Scenario.h"
#include "platform/CodePage932.h"
#include "platform/TextUtil.h"

namespace scenario {

void Scenario::Execute(const Command& c) {
    const std::string& cmd = c.args[0];
    if (cmd == "expect") return Expect(c);
    if (auto it = Commands().find(cmd); it != Commands().end()) return it->second(*this, c);
    if (cmd == "clock") {
        if (!NeedArgs(c, 3)) return;
        if (!ParseDateTime(Arg(c, 1), Arg(c, 2), world_.now)) Fail("bad date and time");
    } else if (cmd == "computer") {
        if (NeedArgs(c, 2)) world_.computer = Text(c, 1);
    } else if (cmd == "rawfile") {
        if (NeedArgs(c, 3)) WriteFile(PathOf(Arg(c, 1)), zl::ToCp932(Text(c, 2)));
    } else if (cmd == "mtime") {
        if (!NeedArgs(c, 4)) return;
        zl::DateTime t;
        if (!ParseDateTime(Arg(c, 2), Arg(c, 3), t)) return Fail("bad date and time");
        const fs::path p = PathOf(Arg(c, 1));
        if (!fs::exists(p)) return Fail("no file " + Show(Arg(c, 1)));
        SetMtime(p, t);
    } else if (cmd == "blockdir") {
        if (NeedArgs(c, 2)) WriteFile(PathOf(Arg(c, 1)), "");
    } else if (cmd == "blockfile") {
        if (!NeedArgs(c, 2)) return;
        std::error_code ec;
        fs::create_directories(PathOf(Arg(c, 1)), ec);
    } else if (cmd == "start") {
        if (window_) return Fail("the window is started already");
        window_ = std::make_unique<zl::QtMainWindow>();
        realIme_ = std::make_unique<zl::QtInputMethod>(window_.get());
        ime_ = std::make_unique<RecordingInputMethod>(world_, *realIme_);
        zl::Platform platform;
        platform.controls = window_.get();
        boxes_.owner = window_.get();
        platform.boxes = &boxes_;
        platform.saveDialog = &saveDialog_;
        platform.clock = &clock_;
        platform.system = &system_;
        platform.inputMethod = ime_.get();
        platform.clipboard = &clipboard_;
        platform.shell = &shell_;
        platform.pause = &pause_;
        platform.spreadsheet = &spreadsheet_;
        platform.folderLock = &folderLock_;
        dlg_ = std::make_unique<zl::CzorvelDlg>(platform, &about_);
        window_->Attach(dlg_.get(), &dlg_->roster());
        window_->Start();
        if (dlg_->ended) {
            window_->close();  // start-up ended the program: the window never opens
            return;
        }
        window_->show();
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get())) Fail("the window did not become active");
    } else if (cmd == "focus") {
        if (!NeedArgs(c, 2)) return;
        if (QWidget* w = Control(Arg(c, 1))) GiveFocus(w);
    } else if (cmd == "type" || cmd == "set") {
        if (!NeedArgs(c, 3)) return;
        QWidget* w = Control(Arg(c, 1));
        if (!w) return;
        if (!qobject_cast<QLineEdit*>(w)) return Fail("control " + Arg(c, 1) + " is no edit");
        GiveFocus(w);
        if (cmd == "set")
            if (QWidget* f = QApplication::focusWidget())
                QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
        Commit(Text(c, 2));
    } else if (cmd == "deactivate") {
        // Another program comes to the front; the next click or selection reaches the
        // window before it is active again, as a click through to an inactive window does.
        if (!NeedWindow()) return;
        if (!other_) {
            other_ = std::make_unique<QWidget>();
            other_->setWindowTitle(QStringLiteral("other program"));
            other_->resize(100, 50);
        }
        other_->show();
        other_->activateWindow();
        QApplication::setActiveWindow(other_.get());
        if (!QTest::qWaitForWindowActive(other_.get())) Fail("the other window is not active");
        inactive_ = true;
    } else if (cmd == "click") {
        if (!NeedArgs(c, 2)) return;
        QWidget* w = Control(Arg(c, 1));
        if (!w) return;
        if (!w->isVisible()) return Fail("control " + Arg(c, 1) + " is not visible");
        if (!std::exchange(inactive_, false)) EnsureActive();
        QPoint at = w->rect().center();
        if (qobject_cast<QCheckBox*>(w)) at = QPoint(6, w->height() / 2);
        if (qobject_cast<zl::LinkLabel*>(w))
            at = QPoint(std::min(10, w->width() / 2), w->height() / 2);
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    } else if (cmd == "key") {
        if (!NeedArgs(c, 2) || !NeedWindow()) return;
        EnsureActive();
        QWidget* f = QApplication::focusWidget();
        if (!f) f = window_.get();
        const std::string k = Arg(c, 1);
        if (k == "Enter")
            QTest::keyClick(f, Qt::Key_Return);
        else if (k == "Escape")
            QTest::keyClick(f, Qt::Key_Escape);
        else if (k == "Tab")
            QTest::keyClick(f, Qt::Key_Tab);
        else if (k == "Shift+Tab")
            QTest::keyClick(f, Qt::Key_Backtab, Qt::ShiftModifier);
        else
            Fail("unknown key " + Show(k));
    } else if (cmd == "select" || cmd == "dblclick") {
        if (!NeedArgs(c, 2) || !NeedWindow()) return;
        zl::MainListView* view = window_->mainList();
        const int n = std::atoi(Arg(c, 1).c_str());
        if (n < 0 || n >= view->model()->rowCount())
            return Fail("no line " + Arg(c, 1) + " in the main list");
        const QModelIndex index = view->model()->index(n, 0);
        if (!std::exchange(inactive_, false)) EnsureActive();
        view->scrollTo(index);
        const QRect r = view->visualRect(index);
        const QPoint at(std::min(r.left() + 20, view->viewport()->width() - 1), r.center().y());
        // A double-click comes as a press and a release, then the second press as the
        // double-click event and its release, as the window system delivers it.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        if (cmd == "dblclick") QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    } else if (cmd == "choose") {
        if (!NeedArgs(c, 3)) return;
        auto* combo = qobject_cast<QComboBox*>(Control(Arg(c, 1)));
        if (!combo) return Fail("control " + Arg(c, 1) + " is no drop-down list");
        const int n = std::atoi(Arg(c, 2).c_str());
        if (n < 0 || n >= combo->count()) return Fail("no item " + Arg(c, 2));
        GiveFocus(combo);
        // Open the list, move to the item and take it with Enter, as a user does.
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        view->setCurrentIndex(combo->model()->index(n, combo->modelColumn()));
        QTest::keyClick(view, Qt::Key_Return);
        EnsureActive();
    } else if (cmd == "picker") {
        if (!NeedArgs(c, 3)) return;
        auto* picker = qobject_cast<zl::DatePicker*>(Control(Arg(c, 1)));
        if (!picker) return Fail("control " + Arg(c, 1) + " is no date picker");
        GiveFocus(picker);
        const std::string v = Arg(c, 2);
        if (v == "none") {
            if (!picker->box()) return Fail("this picker has no no-date state");
            if (picker->box()->isChecked())
                QTest::mouseClick(picker->box(), Qt::LeftButton, {},
                                  QPoint(6, picker->box()->height() / 2));
            return;
        }
        zl::DateTime t;
        if (!ParseDateTime(v, "", t)) return Fail("bad date " + Show(v));
        if (picker->box() && !picker->box()->isChecked())
            QTest::mouseClick(picker->box(), Qt::LeftButton, {},
                              QPoint(6, picker->box()->height() / 2));
        // Open the calendar, go to the day and take it with Enter.
        QTest::keyClick(picker->edit(), Qt::Key_F4);
        QCalendarWidget* cal = picker->edit()->calendarWidget();
        if (!cal) return Fail("the picker has no calendar");
        cal->setSelectedDate(QDate(t.year, t.month, t.day));
        if (auto* table = cal->findChild<QTableView*>()) QTest::keyClick(table, Qt::Key_Return);
        if (cal->window()->isVisible()) cal->window()->hide();
        EnsureActive();
    } else if (cmd == "clipboard") {
        // "none": no text on it; "busy": the next open fails; else the text, as code page 932.
        if (!NeedArgs(c, 2)) return;
        if (Arg(c, 1) == "none")
            world_.clipboard.reset();
        else if (Arg(c, 1) == "busy")
            world_.clipboardBusy = true;
        else
            world_.clipboard = zl::ToCp932(Text(c, 1));
    } else if (cmd == "answer") {
        if (!NeedArgs(c, 2)) return;
        const std::string a = Arg(c, 1);
        if (a == "OK")
            world_.answers.push_back(zl::BoxAnswer::Ok);
        else if (a == "Cancel")
            world_.answers.push_back(zl::BoxAnswer::Cancel);
        else if (a == "Yes")
            world_.answers.push_back(zl::BoxAnswer::Yes);
        else if (a == "No")
            world_.answers.push_back(zl::BoxAnswer::No);
        else
            Fail("unknown answer " + Show(a));
    } else if (cmd == "savefile") {
        if (!NeedArgs(c, 2)) return;
        if (Arg(c, 1) == "cancel")
            world_.saveAnswers.emplace_back(std::nullopt);
        else
            world_.saveAnswers.emplace_back(zl::FromUtf8(PathOf(Arg(c, 1)).string()));
    } else if (cmd == "close") {
        if (NeedWindow()) window_->close();
    } else if (cmd == "screenshot") {
        if (!NeedArgs(c, 2) || !NeedWindow()) return;
        const QString path = QString::fromStdString(Arg(c, 1));
        if (!window_->grab().save(path, "PNG"))
            Fail("cannot save the screenshot " + Show(Arg(c, 1)));
    } else {
        Fail("unknown command " + Show(cmd));
    }
}

}  // namespace scenario
