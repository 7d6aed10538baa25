// The widgets of the main window that Qt lacks as such: the roster list's model and its list
// view, a drop-down list that reports its close-up, the date picker with its no-date state, and
// the hyperlink control.
#pragma once

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QListView>
#include <QWidget>
#include <optional>

#include "platform/DateTime.h"
#include "roster/RosterList.h"

namespace zl {

// The roster list as the main list's model: one row per line, shown unchanged.
class RosterModel : public QAbstractListModel, public RosterListObserver {
    Q_OBJECT
public:
    RosterModel(RosterList& list, QSize itemSize, QObject* parent);
    ~RosterModel() override;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void LinesReset() override;
    void LineInserted(int index) override;
    void LineRemoved(int index) override;
    void LineChanged(int index) override;

private:
    RosterList& list_;
    QSize itemSize_;
};

// The main list: a click on a line reports a selection change even when the line was already
// selected, as the list box does.
class MainListView : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;
    bool programmatic = false;  // set while the program changes the selection
signals:
    void userSelectionChanged();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    bool inMousePress_ = false;
};

// A drop-down list that reports when its list closes up.
class DropDown : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void hidePopup() override;
signals:
    void closedUp();
};

// Date picker: a date edit with a drop-down calendar, shown as yyyy/MM/dd, and for the birthdate
// a check box in front that stands for the no-date state.
class DatePicker : public QWidget {
    Q_OBJECT
public:
    DatePicker(bool withNoDate, QWidget* parent);
    std::optional<DateTime> Value() const;
    void SetValue(std::optional<DateTime> value);  // no notification
    QCheckBox* box() const { return box_; }
    QDateTimeEdit* edit() const { return edit_; }
    QString Text() const;
signals:
    void userChanged();
    void calendarClosed();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void UpdateLook();
    QCheckBox* box_ = nullptr;
    QDateTimeEdit* edit_ = nullptr;
    bool none_ = false;
    bool programmatic_ = false;
};

// The hyperlink control: underlined text with a hand cursor, drawn as visited once clicked.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent);
    void SetLinkText(const QString& text);
    QString LinkText() const { return text_; }
    void MarkVisited();
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void Render();
    QString text_;
    bool visited_ = false;
    bool pressed_ = false;
};

}  // namespace zl
