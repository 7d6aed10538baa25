// What the window reports to the program logic.
#pragma once

namespace zl {

enum class UiEvent {
    Clicked,           // button, check box, link
    SelectionChanged,  // list box: a click on a line, even the selected one
    DoubleClicked,     // list box
    FocusIn,
    FocusOut,
    DateChanged,     // date picker changed by the user
    CalendarClosed,  // date picker's drop-down calendar closed
    DropDownClosed,  // drop-down list closed up
};

enum class Key { Enter, Escape };

class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void OnInitDialog() = 0;
    virtual void OnEvent(int id, UiEvent event) = 0;
    // Enter and Escape before any control sees them; true when the key is consumed.
    virtual bool PreTranslateKey(Key key) = 0;
    // The close request; true when the window may close.
    virtual bool OnCloseRequest() = 0;
    virtual void OnSystemCommand(int command) = 0;
};

}  // namespace zl
