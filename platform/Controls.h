// The main window's controls, addressed by their numeric ids. The real implementation drives Qt
// widgets; the program logic sees nothing but this interface.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace zl {

class Controls {
public:
    virtual ~Controls() = default;

    // The window itself.
    virtual std::u16string Title() const = 0;
    virtual void SetTitle(std::u16string_view title) = 0;

    // Window text: the content of an edit, the caption of a button, label or check box, the
    // text of the link control (which is also its target).
    virtual std::u16string Text(int id) const = 0;
    virtual void SetText(int id, std::u16string_view text) = 0;

    virtual bool Checked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    virtual bool Visible(int id) const = 0;
    virtual void SetVisible(int id, bool visible) = 0;
    virtual bool Enabled(int id) const = 0;
    virtual void SetEnabled(int id, bool enabled) = 0;

    // Keyboard focus: the id of the control that has it, 0 when none of the table has it.
    // SetFocus runs the leave and enter handlers as a user's focus change would.
    virtual int Focus() const = 0;
    virtual void SetFocus(int id) = 0;

    // Caret and selection of an edit, in UTF-16 code units; SetTextSelection(id, 0, -1)
    // selects all, (n, n) puts the caret at n, (-1, -1) at the end.
    virtual void TextSelection(int id, int& from, int& to) const = 0;
    virtual void SetTextSelection(int id, int from, int to) = 0;

    virtual void SetTooltip(int id, std::u16string_view text) = 0;

    // List boxes (the main list shows the roster list; its lines are not set through here).
    virtual int ListSelection(int id) const = 0;           // -1: none
    virtual void SetListSelection(int id, int index) = 0;  // -1 removes it; no notification
    virtual int ListTopIndex(int id) const = 0;
    virtual void SetListTopIndex(int id, int index) = 0;

    // Drop-down lists.
    virtual int ComboCount(int id) const = 0;
    virtual std::u16string ComboItem(int id, int index) const = 0;
    virtual void ComboInsert(int id, int index, std::u16string_view text) = 0;
    virtual int ComboSelection(int id) const = 0;           // -1: none
    virtual void SetComboSelection(int id, int index) = 0;  // no notification

    // Date pickers; nullopt is the no-date state. Setting a date gives no notification.
    virtual std::optional<DateTime> PickerValue(int id) const = 0;
    virtual void SetPickerValue(int id, std::optional<DateTime> value) = 0;

    // Progress bar.
    virtual void SetProgressRange(int id, int low, int high) = 0;
    virtual void SetProgressPos(int id, int pos) = 0;
};

}  // namespace zl
