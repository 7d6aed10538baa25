#include "Scenario.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDateTime>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/TextUtil.h"

namespace scenario {

std::map<std::string, CommandFn>& Commands() {
    static std::map<std::string, CommandFn> table;
    return table;
}

std::map<std::string, CommandFn>& Expectations() {
    static std::map<std::string, CommandFn> table;
    return table;
}

void Scenario::Fail(const std::string& what) {
    ++failures_;
    std::cout << file_ << ":" << line_ << ": " << what << std::endl;
}

void Scenario::Expected(const std::string& expected, const std::string& found) {
    Fail("expected " + expected + ", found " + found);
}

void Scenario::CheckText(const std::u16string& expected, const std::u16string& found) {
    if (expected != found) Expected(Show(expected), Show(found));
}

std::string Scenario::Arg(const Command& c, std::size_t i) const {
    if (i >= c.args.size()) return {};
    // ${BASE}: the program folder with its trailing separator.
    return ToU8(zl::ReplaceAll(U8(c.args[i]), u"${BASE}", baseText_));
}

std::u16string Scenario::BlockLine(const std::string& line) const {
    return zl::ReplaceAll(U8(line), u"${BASE}", baseText_);
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

void Scenario::WriteFile(const fs::path& p, const std::string& bytes) {
    std::error_code ec;
    fs::create_directories(p.parent_path(), ec);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) Fail("cannot write " + Show(p.string()));
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

bool Scenario::Run(const Script& script) {
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

}  // namespace scenario
