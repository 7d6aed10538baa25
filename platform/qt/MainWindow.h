// The main window on Qt widgets: built from the control table, it implements the Controls
// interface on the real widgets and reports clicks, selections, focus moves, keys and the close
// request to the window logic.
#pragma once

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QListView>
#include <QWidget>
#include <map>

#include "platform/Controls.h"
#include "platform/WindowEvents.h"
#include "platform/qt/Widgets.h"
#include "roster/RosterList.h"

namespace zl {

class QtMainWindow : public QWidget, public Controls {
    Q_OBJECT
public:
    explicit QtMainWindow(QWidget* parent = nullptr);
    ~QtMainWindow() override;

    // Connects the window logic and the roster it shows; call before Start.
    void Attach(WindowEvents* events, RosterList* roster);
    // Runs the start-up handler (the window is not shown yet).
    void Start();

    QWidget* Widget(int id) const;
    int IdOf(const QWidget* w) const;  // the control a widget belongs to, 0 when none
    MainListView* mainList() const { return mainList_; }
    bool closed() const { return closed_; }
    // Dialog base units in pixels (horizontal per 4 units, vertical per 8 units).
    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }

    // Controls
    std::u16string Title() const override;
    void SetTitle(std::u16string_view title) override;
    std::u16string Text(int id) const override;
    void SetText(int id, std::u16string_view text) override;
    bool Checked(int id) const override;
    void SetChecked(int id, bool checked) override;
    bool Visible(int id) const override;
    void SetVisible(int id, bool visible) override;
    bool Enabled(int id) const override;
    void SetEnabled(int id, bool enabled) override;
    int Focus() const override;
    void SetFocus(int id) override;
    void TextSelection(int id, int& from, int& to) const override;
    void SetTextSelection(int id, int from, int to) override;
    void SetTooltip(int id, std::u16string_view text) override;
    int ListSelection(int id) const override;
    void SetListSelection(int id, int index) override;
    int ListTopIndex(int id) const override;
    void SetListTopIndex(int id, int index) override;
    int ComboCount(int id) const override;
    std::u16string ComboItem(int id, int index) const override;
    void ComboInsert(int id, int index, std::u16string_view text) override;
    int ComboSelection(int id) const override;
    void SetComboSelection(int id, int index) override;
    std::optional<DateTime> PickerValue(int id) const override;
    void SetPickerValue(int id, std::optional<DateTime> value) override;
    void SetProgressRange(int id, int low, int high) override;
    void SetProgressPos(int id, int pos) override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void Build();
    QRect MapDialogRect(int x, int y, int w, int h) const;
    void Register(int id, QWidget* w);
    void Emit(int id, UiEvent event);
    // Brings the reported focus in line with the real one: the leave handler of the control
    // that lost it, then the enter handler of the one that has it.
    void SettleFocus();
    int FocusedId() const;

    WindowEvents* events_ = nullptr;
    RosterList* roster_ = nullptr;
    std::map<int, QWidget*> widgets_;
    std::map<const QWidget*, int> ids_;
    MainListView* mainList_ = nullptr;
    RosterModel* model_ = nullptr;
    int baseX_ = 8, baseY_ = 16;
    int reportedFocus_ = 0;
    bool settling_ = false;
    bool closed_ = false;
    bool swallowRelease_ = false;
    int boxesOpened_ = 0;           // modal windows opened over this one so far
    bool boxOnPressFocus_ = false;  // the focus change of the current press opened one
};

// The dialog font: "ＭＳ ゴシック" 12 point where installed, else IPAGothic.
QFont DialogFont();
QIcon AppIcon();

}  // namespace zl
