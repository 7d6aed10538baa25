// The input method on Qt: closing it makes a field refuse input-method input, which every input
// method honours; opening it lets the field take input-method input again and, under Fcitx 5,
// switches the input method on.
#pragma once

#include <QObject>
#include <set>

#include "platform/Services.h"

namespace zl {

class QtMainWindow;

class QtInputMethod : public QObject, public InputMethod {
public:
    explicit QtInputMethod(QtMainWindow* window);
    void SetOpen(int id, bool open) override;

protected:
    // Answers "input method enabled" with false for a closed field; switches the input method
    // on again when the window becomes active with the focus in an open field.
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Switches the input method on if the focus is still in an open field of the active window.
    void ActivateIfOpen();

    QtMainWindow* window_;
    std::set<const QObject*> closed_;    // the widgets that take the focus in closed fields
    std::set<const QObject*> open_;      // and in open fields
    std::set<const QObject*> filtered_;  // the widgets this object filters
    bool firstActivation_ = true;        // the window has not been active yet
    bool typed_ = false;                 // a key was typed into a field
};

// Asks a running Fcitx 5 to switch its input method on for the focused window, without
// starting Fcitx 5 where another input method (IBus) is in use. Does nothing without a
// session bus.
void ActivateFcitx();

}  // namespace zl
