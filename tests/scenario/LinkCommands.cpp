// The outside world of the links and the clipboard: failing opens, the order of opened targets
// and pauses, and a restart that reads the settings again.
#include <QCoreApplication>
#include <iostream>

#include "Scenario.h"

namespace scenario {

namespace {

// "shell fail": the next open fails.
void ShellCommand(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 2)) return;
    if (s.Arg(c, 1) != "fail") return s.Fail("unknown shell command " + Show(s.Arg(c, 1)));
    s.world_.shellFails = true;
}

// Closes the window as a user does (the closing sequence runs) and starts the program again
// in the same folder, so that changed settings are read.
void Restart(Scenario& s, const Command& c) {
    if (!s.NeedWindow()) return;
    s.window_->close();
    QCoreApplication::processEvents();
    if (!s.window_->closed()) return s.Fail("the window did not close");
    s.window_.reset();
    s.dlg_.reset();
    s.ime_.reset();
    s.realIme_.reset();
    s.Execute(Command{c.line, {"start"}, {}});
}

// "position ID" or "position line N": prints "position ID X Y", the centre of the control (or a
// point near the left end of the main list's line) in the window's coordinates, for checks that
// click the real program on a display with the same fonts.
void Position(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 2) || !s.NeedWindow()) return;
    QPoint at;
    std::string name = s.Arg(c, 1);
    if (name == "line") {
        if (!s.NeedArgs(c, 3)) return;
        zl::MainListView* view = s.window_->mainList();
        const QModelIndex index = view->model()->index(std::atoi(s.Arg(c, 2).c_str()), 0);
        if (!index.isValid()) return s.Fail("no line " + s.Arg(c, 2));
        // Near the line's left end, as "select" clicks: the line is wider than the list.
        const QRect r = view->visualRect(index);
        at = view->viewport()->mapTo(
            s.window_.get(),
            QPoint(std::min(r.left() + 20, view->viewport()->width() - 1), r.center().y()));
        name += s.Arg(c, 2);
    } else {
        QWidget* w = s.Control(name);
        if (!w) return;
        at = w->mapTo(s.window_.get(), w->rect().center());
    }
    std::cout << "position " << name << " " << at.x() << " " << at.y() << std::endl;
}

// "expect noshell": every target opened so far was expected.
void ExpectNoShell(Scenario& s, const Command&) {
    if (!s.world_.shellTargets.empty())
        s.Expected("no target opened", Show(s.world_.shellTargets.front()));
}

// "expect wait MS": the next pause, made after every target expected so far and before any
// target not yet expected.
void ExpectWait(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 3)) return;
    World& w = s.world_;
    const std::string wanted = "a pause of " + s.Arg(c, 2) + " ms";
    if (w.pauses.empty()) return s.Expected(wanted, "none");
    if (w.pauses.front().after > w.shellExpected)
        return s.Expected(wanted, "the target " + Show(w.shellTargets.front()));
    const int ms = w.pauses.front().milliseconds;
    w.pauses.pop_front();
    if (std::to_string(ms) != s.Arg(c, 2)) s.Expected(wanted, std::to_string(ms) + " ms");
}

const Register commands(Commands(),
                        {{"shell", ShellCommand}, {"restart", Restart}, {"position", Position}});
const Register expectations(Expectations(), {{"noshell", ExpectNoShell}, {"wait", ExpectWait}});

}  // namespace

}  // namespace scenario
