// The input method on Qt: closing it makes a field refuse input-method input, which every input
// method honours; opening it lets the field take input-method input again and, under Fcitx 5,
// switches the input method on.
#pragma once

#include <QObject>
#include <map>

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
    // Whether the input method is open in a field, by the widget that takes the field's focus;
    // these are the widgets this object filters.
    std::map<const QObject*, bool> fields_;
    bool firstActivation_ = true;  // the window has not been active yet
    bool typed_ = false;           // a key was typed into a field
};

// Asks a running Fcitx 5 to switch its input method on for the focused window, without
// starting Fcitx 5 where another input method (IBus) is in use. Does nothing without a
// session bus.
void ActivateFcitx();

}  // namespace zl
