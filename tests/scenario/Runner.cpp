// zorvel-scenario FILE...: runs each script against the real main window offscreen, in a fresh
// program folder, with only the outside world scripted.
#include <fcntl.h>
#include <sys/stat.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <utility>

#include "Script.h"
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "platform/CodePage932.h"
#include "platform/TextUtil.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtServices.h"

namespace fs = std::filesystem;
using scenario::Command;

namespace {

QString Q(std::u16string_view s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}
std::u16string U8(const std::string& s) { return zl::FromUtf8(s); }
std::string ToU8(std::u16string_view s) { return zl::ToUtf8(s); }

// A text shown in a failure message: quoted, with line breaks visible.
std::string Show(std::u16string_view s) {
    std::string out = "\"";
    for (char c : ToU8(s)) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c == '"')
            out += "\\\"";
        else
            out += c;
    }
    return out + "\"";
}

std::string Show(const std::string& s) { return Show(U8(s)); }

bool ParseDateTime(const std::string& date, const std::string& time, zl::DateTime& t) {
    int y, mo, d, h = 0, mi = 0, s = 0;
    if (std::sscanf(date.c_str(), "%d/%d/%d", &y, &mo, &d) != 3) return false;
    if (!time.empty() && std::sscanf(time.c_str(), "%d:%d:%d", &h, &mi, &s) != 3) return false;
    if (!zl::IsValidDate(y, mo, d) || !zl::IsValidTime(h, mi, s)) return false;
    t = {y, mo, d, h, mi, s};
    return true;
}

std::string IconName(zl::BoxIcon i) {
    switch (i) {
        case zl::BoxIcon::Information:
            return "information";
        case zl::BoxIcon::Exclamation:
            return "exclamation";
        case zl::BoxIcon::Warning:
            return "warning";
        case zl::BoxIcon::Error:
            return "error";
    }
    return "?";
}

std::string ButtonsName(zl::BoxButtons b) {
    switch (b) {
        case zl::BoxButtons::Ok:
            return "ok";
        case zl::BoxButtons::OkCancel:
            return "okcancel";
        case zl::BoxButtons::YesNoCancel:
            return "yesnocancel";
        case zl::BoxButtons::YesNo:
            return "yesno";
    }
    return "?";
}

std::string AnswerName(zl::BoxAnswer a) {
    switch (a) {
        case zl::BoxAnswer::Ok:
            return "OK";
        case zl::BoxAnswer::Cancel:
            return "Cancel";
        case zl::BoxAnswer::Yes:
            return "Yes";
        case zl::BoxAnswer::No:
            return "No";
    }
    return "?";
}

bool Allows(zl::BoxButtons b, zl::BoxAnswer a) {
    switch (b) {
        case zl::BoxButtons::Ok:
            return a == zl::BoxAnswer::Ok;
        case zl::BoxButtons::OkCancel:
            return a == zl::BoxAnswer::Ok || a == zl::BoxAnswer::Cancel;
        case zl::BoxButtons::YesNoCancel:
            return a != zl::BoxAnswer::Ok;
        case zl::BoxButtons::YesNo:
            return a == zl::BoxAnswer::Yes || a == zl::BoxAnswer::No;
    }
    return false;
}

// --- The scripted outside world ---

struct World {
    zl::DateTime now{2025, 1, 15, 10, 0, 0};
    std::u16string computer = u"TESTPC";
    std::u16string executable;
    struct Box {
        std::u16string text;
        zl::BoxIcon icon;
        zl::BoxButtons buttons;
    };
    std::deque<zl::BoxAnswer> answers;
    std::deque<Box> shown;
    std::deque<std::optional<std::u16string>> saveAnswers;
    std::vector<zl::SaveRequest> saveRequests;
    std::deque<std::u16string> shellTargets;
    std::optional<std::string> clipboard;
    std::map<int, bool> ime;
    std::vector<std::string> problems;  // found by the services while a command ran
    std::function<void()> stampFiles;
};

class ScriptedBoxes : public zl::MessageBoxes {
public:
    explicit ScriptedBoxes(World& w) : w_(w) {}
    zl::BoxAnswer Show(std::u16string_view text, zl::BoxIcon icon,
                       zl::BoxButtons buttons) override {
        w_.shown.push_back({std::u16string(text), icon, buttons});
        // A box is a modal window over its owner while it is open: the owner is blocked and
        // unblocked again, as with a real box.
        if (owner) {
            QDialog shade(owner);
            shade.setWindowModality(Qt::ApplicationModal);
            shade.show();
            shade.hide();
        }
        if (buttons == zl::BoxButtons::Ok) return zl::BoxAnswer::Ok;
        const zl::BoxAnswer fallback =
            buttons == zl::BoxButtons::YesNo ? zl::BoxAnswer::No : zl::BoxAnswer::Cancel;
        if (w_.answers.empty()) {
            w_.problems.push_back("a box asked with no answer queued: " + ::Show(text));
            return fallback;
        }
        const zl::BoxAnswer a = w_.answers.front();
        w_.answers.pop_front();
        if (!Allows(buttons, a)) {
            w_.problems.push_back("answer " + AnswerName(a) + " does not fit the buttons " +
                                  ButtonsName(buttons) + " of " + ::Show(text));
            return fallback;
        }
        return a;
    }

    QWidget* owner = nullptr;

private:
    World& w_;
};

class ScriptedSaveDialog : public zl::SaveDialog {
public:
    explicit ScriptedSaveDialog(World& w) : w_(w) {}
    std::optional<std::u16string> AskSavePath(const zl::SaveRequest& request) override {
        w_.saveRequests.push_back(request);
        if (w_.saveAnswers.empty()) {
            w_.problems.push_back("a save dialog asked with no savefile queued: " +
                                  ::Show(request.title));
            return std::nullopt;
        }
        auto a = w_.saveAnswers.front();
        w_.saveAnswers.pop_front();
        return a;
    }

private:
    World& w_;
};

class ScriptedClock : public zl::Clock {
public:
    explicit ScriptedClock(World& w) : w_(w) {}
    zl::DateTime Now() override {
        // Files written since the last reading carry the scripted time, so that day rules
        // that compare a file's date with today work against the scripted date.
        if (w_.stampFiles) w_.stampFiles();
        return w_.now;
    }

private:
    World& w_;
};

class ScriptedSystem : public zl::SystemInfo {
public:
    explicit ScriptedSystem(World& w) : w_(w) {}
    std::u16string ExecutablePath() override { return w_.executable; }
    std::u16string ComputerName() override { return w_.computer; }

private:
    World& w_;
};

// Records the last switch per control and applies it to the widget as the real one does.
class RecordingInputMethod : public zl::InputMethod {
public:
    RecordingInputMethod(World& w, zl::InputMethod& real) : w_(w), real_(real) {}
    void SetOpen(int id, bool open) override {
        w_.ime[id] = open;
        real_.SetOpen(id, open);
    }

private:
    World& w_;
    zl::InputMethod& real_;
};

class MemoryClipboard : public zl::Clipboard {
public:
    explicit MemoryClipboard(World& w) : w_(w) {}
    bool SetText(std::string_view bytes) override {
        w_.clipboard = std::string(bytes);
        return true;
    }
    std::optional<std::string> GetText() override { return w_.clipboard; }

private:
    World& w_;
};

class RecordingShell : public zl::Shell {
public:
    explicit RecordingShell(World& w) : w_(w) {}
    int Open(std::u16string_view target) override {
        w_.shellTargets.emplace_back(target);
        return 42;
    }

private:
    World& w_;
};

class NoAboutBox : public zl::AboutBox {
public:
    void Show() override {}
};

// --- One scenario ---

class Scenario {
public:
    explicit Scenario(std::string file) : file_(std::move(file)) {}
    ~Scenario() {
        window_.reset();
        dlg_.reset();
    }

    bool Run(const scenario::Script& script);

private:
    void Execute(const Command& c);
    void Expect(const Command& c);
    void Fail(const std::string& what);
    void Expected(const std::string& expected, const std::string& found);

    std::string Arg(const Command& c, std::size_t i) const;
    std::u16string Text(const Command& c, std::size_t i) const { return U8(Arg(c, i)); }
    bool NeedArgs(const Command& c, std::size_t n);
    bool NeedWindow();
    QWidget* Control(const std::string& id, int* idOut = nullptr);
    fs::path PathOf(const std::string& p) const;
    bool YesNo(const std::string& s, bool& v);

    void Snapshot();
    void StampChanged();
    void SetMtime(const fs::path& p, const zl::DateTime& t);
    std::optional<std::string> ReadFile(const fs::path& p);

    void EnsureActive();
    void GiveFocus(QWidget* w);
    void Commit(const std::u16string& text);

    std::string file_;
    int line_ = 0;
    int failures_ = 0;
    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/zorvel-profiles-XXXXXX")};
    fs::path base_;
    std::u16string baseText_;
    World world_;
    ScriptedBoxes boxes_{world_};
    ScriptedSaveDialog saveDialog_{world_};
    ScriptedClock clock_{world_};
    ScriptedSystem system_{world_};
    MemoryClipboard clipboard_{world_};
    RecordingShell shell_{world_};
    NoAboutBox about_;
    std::unique_ptr<zl::QtInputMethod> realIme_;
    std::unique_ptr<RecordingInputMethod> ime_;
    std::unique_ptr<zl::QtMainWindow> window_;
    std::unique_ptr<QWidget> other_;  // another program's window, for "deactivate"
    bool inactive_ = false;           // the next click comes while another window is active
    std::unique_ptr<zl::CzorvelDlg> dlg_;
    std::map<fs::path, std::pair<fs::file_time_type, std::uintmax_t>> stamps_;
};

void Scenario::Fail(const std::string& what) {
    ++failures_;
    std::cout << file_ << ":" << line_ << ": " << what << std::endl;
}

void Scenario::Expected(const std::string& expected, const std::string& found) {
    Fail("expected " + expected + ", found " + found);
}

std::string Scenario::Arg(const Command& c, std::size_t i) const {
    if (i >= c.args.size()) return {};
    // ${BASE}: the program folder with its trailing separator.
    return ToU8(zl::ReplaceAll(U8(c.args[i]), u"${BASE}", baseText_));
}

bool Scenario::NeedArgs(const Command& c, std::size_t n) {
    if (c.args.size() >= n) return true;
    Fail("too few arguments");
    return false;
}

bool Scenario::NeedWindow() {
    if (window_) return true;
    Fail("the window is not started");
    return false;
}

QWidget* Scenario::Control(const std::string& text, int* idOut) {
    if (!NeedWindow()) return nullptr;
    const int id = std::atoi(text.c_str());
    QWidget* w = window_->Widget(id);
    if (!w) Fail("no control " + text);
    if (idOut) *idOut = id;
    return w;
}

fs::path Scenario::PathOf(const std::string& p) const {
    fs::path path = fs::u8path(p);
    return path.is_absolute() ? path : base_ / path;
}

bool Scenario::YesNo(const std::string& s, bool& v) {
    if (s == "yes" || s == "on")
        v = true;
    else if (s == "no" || s == "off")
        v = false;
    else {
        Fail("expected yes or no, found " + Show(s));
        return false;
    }
    return true;
}

// --- File times in step with the scripted clock ---

void Scenario::SetMtime(const fs::path& p, const zl::DateTime& t) {
    QDateTime local(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    struct timespec times[2];
    times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(local.toSecsSinceEpoch());
    times[0].tv_nsec = times[1].tv_nsec = 0;
    utimensat(AT_FDCWD, p.c_str(), times, 0);
    std::error_code ec;
    stamps_[p] = {fs::last_write_time(p, ec), fs::file_size(p, ec)};
}

void Scenario::StampChanged() {
    std::error_code ec;
    std::vector<fs::path> changed;
    for (auto it = fs::recursive_directory_iterator(base_, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const auto t = it->last_write_time(ec);
        const auto size = it->file_size(ec);
        auto found = stamps_.find(it->path());
        if (found == stamps_.end() || found->second.first != t || found->second.second != size)
            changed.push_back(it->path());
    }
    for (const fs::path& p : changed) SetMtime(p, world_.now);
}

std::optional<std::string> Scenario::ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in || fs::is_directory(p)) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// --- Input ---

// Popups and the activation that follows them end asynchronously; input waits for the window
// to be the active one again, as a user does.
void Scenario::EnsureActive() {
    if (!window_ || QApplication::activeWindow() == window_.get()) return;
    window_->activateWindow();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get())) Fail("the window is not active");
}

void Scenario::GiveFocus(QWidget* w) {
    EnsureActive();
    if (!w->isVisible() || !w->isEnabled()) {
        Fail("the control cannot take the focus (hidden or disabled)");
        return;
    }
    if (window_->IdOf(QApplication::focusWidget()) != window_->IdOf(w))
        w->setFocus(Qt::OtherFocusReason);
}

void Scenario::Commit(const std::u16string& text) {
    QWidget* target = QApplication::focusWidget();
    if (!target) {
        Fail("no control has the focus to type into");
        return;
    }
    // An empty commit changes nothing; deleting the selection is what a user does instead.
    if (text.empty()) {
        if (auto* e = qobject_cast<QLineEdit*>(target); e && e->hasSelectedText())
            QTest::keyClick(target, Qt::Key_Delete);
        return;
    }
    QInputMethodEvent event;
    event.setCommitString(Q(text));
    QApplication::sendEvent(target, &event);
}

// --- Commands ---

bool Scenario::Run(const scenario::Script& script) {
    if (!dir_.isValid()) {
        Fail("cannot create a program folder");
        return false;
    }
    base_ = fs::u8path(dir_.path().toStdString());
    baseText_ = zl::FromUtf8(base_.string()) + u"/";
    world_.executable = baseText_ + u"zorvel";
    world_.stampFiles = [this] { StampChanged(); };
    for (const Command& c : script.commands) {
        line_ = c.line;
        Execute(c);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        for (const std::string& p : world_.problems) Fail(p);
        world_.problems.clear();
        StampChanged();
    }
    line_ = script.commands.empty() ? 0 : script.commands.back().line;
    for (const World::Box& b : world_.shown)
        Fail("a box was shown but never expected: " + Show(b.text));
    for (zl::BoxAnswer a : world_.answers) Fail("answer " + AnswerName(a) + " was never asked for");
    if (!world_.saveAnswers.empty()) Fail("a savefile answer was never asked for");
    return failures_ == 0;
}

void Scenario::Execute(const Command& c) {
    const std::string& cmd = c.args[0];
    if (cmd == "expect") return Expect(c);
    if (cmd == "clock") {
        if (!NeedArgs(c, 3)) return;
        if (!ParseDateTime(Arg(c, 1), Arg(c, 2), world_.now)) Fail("bad date and time");
    } else if (cmd == "computer") {
        if (NeedArgs(c, 2)) world_.computer = Text(c, 1);
    } else if (cmd == "file") {
        if (!NeedArgs(c, 2)) return;
        std::string bytes;
        for (const std::string& l : c.block)
            bytes += zl::ToCp932(zl::ReplaceAll(U8(l), u"${BASE}", baseText_)) + "\r\n";
        const fs::path p = PathOf(Arg(c, 1));
        std::error_code ec;
        fs::create_directories(p.parent_path(), ec);
        std::ofstream(p, std::ios::binary) << bytes;
    } else if (cmd == "rawfile") {
        if (!NeedArgs(c, 3)) return;
        const fs::path p = PathOf(Arg(c, 1));
        std::error_code ec;
        fs::create_directories(p.parent_path(), ec);
        std::ofstream(p, std::ios::binary) << zl::ToCp932(Text(c, 2));
    } else if (cmd == "mtime") {
        if (!NeedArgs(c, 4)) return;
        zl::DateTime t;
        if (!ParseDateTime(Arg(c, 2), Arg(c, 3), t)) return Fail("bad date and time");
        const fs::path p = PathOf(Arg(c, 1));
        if (!fs::exists(p)) return Fail("no file " + Show(Arg(c, 1)));
        SetMtime(p, t);
    } else if (cmd == "blockdir") {
        if (!NeedArgs(c, 2)) return;
        const fs::path p = PathOf(Arg(c, 1));
        std::error_code ec;
        fs::create_directories(p.parent_path(), ec);
        std::ofstream(p, std::ios::binary) << "";
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
        dlg_ = std::make_unique<zl::CzorvelDlg>(platform, &about_);
        window_->Attach(dlg_.get(), &dlg_->roster());
        window_->Start();
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
        if (cmd == "select")
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        else
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
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
        if (NeedArgs(c, 2)) world_.clipboard = zl::ToCp932(Text(c, 1));
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

void Scenario::Expect(const Command& c) {
    if (!NeedArgs(c, 2)) return;
    const std::string what = c.args[1];
    auto checkText = [&](const std::u16string& expected, const std::u16string& found) {
        if (expected != found) Expected(Show(expected), Show(found));
    };
    if (what == "box") {
        if (!NeedArgs(c, 3)) return;
        if (world_.shown.empty()) return Expected("a box " + Show(Text(c, 2)), "none");
        const World::Box b = world_.shown.front();
        world_.shown.pop_front();
        checkText(Text(c, 2), b.text);
        for (std::size_t i = 3; i < c.args.size(); ++i) {
            const std::string a = Arg(c, i);
            if (a == "information" || a == "exclamation" || a == "warning" || a == "error") {
                if (IconName(b.icon) != a) Expected("icon " + a, IconName(b.icon));
            } else if (a == "ok" || a == "okcancel" || a == "yesnocancel" || a == "yesno") {
                if (ButtonsName(b.buttons) != a) Expected("buttons " + a, ButtonsName(b.buttons));
            } else {
                Fail("unknown icon or buttons " + Show(a));
            }
        }
        return;
    }
    if (what == "nobox") {
        if (!world_.shown.empty()) Expected("no box", Show(world_.shown.front().text));
        return;
    }
    if (what == "shell") {
        if (!NeedArgs(c, 3)) return;
        if (world_.shellTargets.empty()) return Expected(Show(Text(c, 2)), "no target opened");
        const std::u16string t = world_.shellTargets.front();
        world_.shellTargets.pop_front();
        return checkText(Text(c, 2), t);
    }
    if (what == "clipboard") {
        if (!NeedArgs(c, 3)) return;
        if (!world_.clipboard) return Expected(Show(Text(c, 2)), "no text on the clipboard");
        return checkText(Text(c, 2), zl::FromCp932(*world_.clipboard));
    }
    // The program folder.
    if (what == "file" || what == "fileline" || what == "filelines" || what == "nofile" ||
        what == "bytes" || what == "folder") {
        if (!NeedArgs(c, 3)) return;
        const fs::path p = PathOf(Arg(c, 2));
        if (what == "folder") {
            std::error_code ec;
            if (!fs::is_directory(p, ec)) Expected("a folder " + Show(Arg(c, 2)), "none");
            return;
        }
        if (what == "nofile") {
            std::error_code ec;
            if (fs::exists(p, ec)) Expected("nothing at " + Show(Arg(c, 2)), "something");
            return;
        }
        const std::optional<std::string> bytes = ReadFile(p);
        if (!bytes) return Expected("a file " + Show(Arg(c, 2)), "none");
        if (what == "bytes") {
            if (!NeedArgs(c, 4)) return;
            if (std::to_string(bytes->size()) != Arg(c, 3))
                Expected(Arg(c, 3) + " bytes", std::to_string(bytes->size()));
            return;
        }
        const std::u16string text = zl::FromCp932(*bytes);
        if (zl::ToCp932(text) != *bytes) return Fail("the file does not decode from code page 932");
        std::vector<std::u16string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find(u'\n', start);
            if (end == std::u16string::npos) {
                lines.push_back(text.substr(start));
                break;
            }
            std::u16string l = text.substr(start, end - start);
            if (!l.empty() && l.back() == u'\r') l.pop_back();
            lines.push_back(std::move(l));
            start = end + 1;
        }
        if (what == "filelines") {
            if (!NeedArgs(c, 4)) return;
            if (std::to_string(lines.size()) != Arg(c, 3))
                Expected(Arg(c, 3) + " lines", std::to_string(lines.size()));
            return;
        }
        if (what == "fileline") {
            if (!NeedArgs(c, 5)) return;
            const int n = std::atoi(Arg(c, 3).c_str());
            if (n < 1 || n > static_cast<int>(lines.size()))
                return Expected("line " + Arg(c, 3) + " " + Show(Text(c, 4)),
                                std::to_string(lines.size()) + " lines");
            return checkText(Text(c, 4), lines[static_cast<std::size_t>(n - 1)]);
        }
        std::u16string expected;
        for (const std::string& l : c.block)
            expected += zl::ReplaceAll(U8(l), u"${BASE}", baseText_) + u"\r\n";
        if (expected == text) return;
        // Name the first line that differs.
        std::vector<std::u16string> want;
        for (const std::string& l : c.block)
            want.push_back(zl::ReplaceAll(U8(l), u"${BASE}", baseText_));
        for (std::size_t i = 0; i < std::max(want.size(), lines.size()); ++i) {
            const std::u16string w = i < want.size() ? want[i] : u"(no line)";
            const std::u16string f = i < lines.size() ? lines[i] : u"(no line)";
            if (w != f) {
                return Expected("line " + std::to_string(i + 1) + " " + Show(w), Show(f));
            }
        }
        return Fail("the file's lines are not each ended by CR LF");
    }
    if (!NeedWindow()) return;
    if (what == "title") {
        if (NeedArgs(c, 3)) checkText(Text(c, 2), window_->Title());
        return;
    }
    if (what == "closed") {
        bool v;
        if (NeedArgs(c, 3) && YesNo(Arg(c, 2), v) && window_->closed() != v)
            Expected(std::string("closed ") + (v ? "yes" : "no"), window_->closed() ? "yes" : "no");
        return;
    }
    if (what == "count") {
        if (!NeedArgs(c, 3)) return;
        const int n = window_->mainList()->model()->rowCount();
        if (std::to_string(n) != Arg(c, 2)) Expected(Arg(c, 2) + " lines", std::to_string(n));
        return;
    }
    if (what == "line") {
        if (!NeedArgs(c, 4)) return;
        const QAbstractItemModel* m = window_->mainList()->model();
        const int n = std::atoi(Arg(c, 2).c_str());
        if (n < 0 || n >= m->rowCount())
            return Expected("line " + Arg(c, 2), std::to_string(m->rowCount()) + " lines");
        return checkText(Text(c, 3), m->data(m->index(n, 0)).toString().toStdU16String());
    }
    if (what == "selected") {
        if (!NeedArgs(c, 3)) return;
        const int n = window_->ListSelection(zl::id::kMainList);
        if (std::to_string(n) != Arg(c, 2))
            Expected("line " + Arg(c, 2) + " selected", std::to_string(n));
        return;
    }
    if (what == "topline") {
        if (!NeedArgs(c, 3)) return;
        const int n = window_->ListTopIndex(zl::id::kMainList);
        if (std::to_string(n) != Arg(c, 2))
            Expected("line " + Arg(c, 2) + " at the top", std::to_string(n));
        return;
    }
    if (!NeedArgs(c, what == "focus" ? 3 : 4)) return;
    int id = 0;
    QWidget* w = Control(Arg(c, 2), &id);
    if (!w) return;
    const std::string v = Arg(c, 3);
    bool b = false;
    if (what == "text") return checkText(Text(c, 3), window_->Text(id));
    if (what == "tooltip") return checkText(Text(c, 3), w->toolTip().toStdU16String());
    if (what == "item") {
        const int sel = window_->ComboSelection(id);
        return checkText(Text(c, 3), sel < 0 ? std::u16string() : window_->ComboItem(id, sel));
    }
    if (what == "items") {
        if (std::to_string(window_->ComboCount(id)) != v)
            Expected(v + " items", std::to_string(window_->ComboCount(id)));
        return;
    }
    if (what == "visible" || what == "enabled" || what == "checked") {
        if (!YesNo(v, b)) return;
        const bool found = what == "visible"   ? window_->Visible(id)
                           : what == "enabled" ? window_->Enabled(id)
                                               : window_->Checked(id);
        if (found != b) Expected(what + " " + v, found ? "yes" : "no");
        return;
    }
    if (what == "focus") {
        const int f = window_->Focus();
        if (f != id) Expected("focus on " + Arg(c, 2), f ? std::to_string(f) : "none");
        return;
    }
    if (what == "textselection") {
        if (!NeedArgs(c, 5)) return;
        int from = 0, to = 0;
        window_->TextSelection(id, from, to);
        if (std::to_string(from) != Arg(c, 3) || std::to_string(to) != Arg(c, 4))
            Expected(Arg(c, 3) + " " + Arg(c, 4), std::to_string(from) + " " + std::to_string(to));
        return;
    }
    if (what == "picker") {
        const std::optional<zl::DateTime> p = window_->PickerValue(id);
        const std::string found = p ? ToU8(zl::FormatDate(*p)) : "none";
        if (found != v) Expected(v, found);
        return;
    }
    if (what == "ime") {
        auto it = world_.ime.find(id);
        if (v == "none") {  // no switch was ever made for the control
            if (it != world_.ime.end()) Expected("no ime switch", it->second ? "on" : "off");
            return;
        }
        if (!YesNo(v, b)) return;
        if (it == world_.ime.end()) return Expected(std::string("ime ") + v, "no switch");
        if (it->second != b) Expected(std::string("ime ") + v, it->second ? "on" : "off");
        return;
    }
    Fail("unknown expectation " + Show(what));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(zl::DialogFont());
    if (argc < 2) {
        std::cerr << "usage: zorvel-scenario FILE..." << std::endl;
        return 2;
    }
    int passed = 0, failed = 0;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::cout << argv[i] << ": cannot read the script" << std::endl;
            ++failed;
            continue;
        }
        std::ostringstream s;
        s << in.rdbuf();
        const scenario::Script script = scenario::ParseScript(s.str());
        if (!script.error.empty()) {
            std::cout << argv[i] << ":" << script.error << std::endl;
            ++failed;
            continue;
        }
        bool ok;
        {
            Scenario run(argv[i]);
            ok = run.Run(script);
        }
        std::cout << argv[i] << (ok ? ": passed" : ": FAILED") << std::endl;
        (ok ? passed : failed)++;
    }
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed ? 1 : 0;
}
