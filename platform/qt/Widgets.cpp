#include "platform/qt/Widgets.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QMouseEvent>

#include "platform/qt/QtConvert.h"

namespace zl {

// --- RosterModel ---

RosterModel::RosterModel(RosterList& list, QSize itemSize, QObject* parent)
    : QAbstractListModel(parent), list_(list), itemSize_(itemSize) {
    list_.SetObserver(this);
}

RosterModel::~RosterModel() { list_.SetObserver(nullptr); }

int RosterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.Count();
}

QVariant RosterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.Count()) return {};
    if (role == Qt::DisplayRole) return Q(list_.Line(index.row()));
    if (role == Qt::SizeHintRole) return itemSize_;
    return {};
}

// The list reports changes after making them; each is passed on as one complete step.
void RosterModel::LinesReset() {
    beginResetModel();
    endResetModel();
}
void RosterModel::LineInserted(int index) {
    beginInsertRows({}, index, index);
    endInsertRows();
}
void RosterModel::LineRemoved(int index) {
    beginRemoveRows({}, index, index);
    endRemoveRows();
}
void RosterModel::LineChanged(int index) {
    const QModelIndex i = createIndex(index, 0);
    emit dataChanged(i, i);
}

// --- MainListView ---

void MainListView::mousePressEvent(QMouseEvent* e) {
    inMousePress_ = true;
    QListView::mousePressEvent(e);
    inMousePress_ = false;
    if (e->button() == Qt::LeftButton && indexAt(e->position().toPoint()).isValid())
        emit userSelectionChanged();
}

void MainListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QListView::currentChanged(current, previous);
    // Keyboard moves and drags; model updates and program selections stay silent.
    if (!programmatic && !inMousePress_ && current.isValid() &&
        (hasFocus() || QApplication::mouseButtons() != Qt::NoButton))
        emit userSelectionChanged();
}

// --- DropDown ---

void DropDown::hidePopup() {
    QComboBox::hidePopup();
    // A picked item becomes current only after the popup is hidden; the close-up handler must
    // see it, so the notification follows once the pick is done.
    QMetaObject::invokeMethod(
        this, [this] { emit closedUp(); }, Qt::QueuedConnection);
}

// --- DatePicker ---

DatePicker::DatePicker(bool withNoDate, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (withNoDate) {
        box_ = new QCheckBox(this);
        box_->setFocusPolicy(Qt::NoFocus);
        box_->setChecked(true);
        layout->addWidget(box_);
        connect(box_, &QCheckBox::clicked, this, [this](bool on) {
            none_ = !on;
            UpdateLook();
            emit userChanged();
        });
    }
    edit_ = new QDateTimeEdit(this);
    edit_->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    edit_->setCalendarPopup(true);
    edit_->setDateTimeRange(QDateTime(QDate(1601, 1, 1), QTime(0, 0)),
                            QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)));
    edit_->setDateTime(QDateTime::currentDateTime());
    layout->addWidget(edit_, 1);
    setFocusProxy(edit_);
    connect(edit_, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (programmatic_) return;
        if (none_ && box_) {
            none_ = false;
            box_->setChecked(true);
            UpdateLook();
        }
        emit userChanged();
    });
    if (QCalendarWidget* cal = edit_->calendarWidget()) cal->window()->installEventFilter(this);
}

bool DatePicker::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Hide && o->isWidgetType()) emit calendarClosed();
    return QWidget::eventFilter(o, e);
}

std::optional<DateTime> DatePicker::Value() const {
    if (none_) return std::nullopt;
    return FromQt(edit_->dateTime());
}

void DatePicker::SetValue(std::optional<DateTime> value) {
    programmatic_ = true;
    none_ = !value.has_value();
    if (value && IsValidDate(value->year, value->month, value->day))
        edit_->setDateTime(ToQt(*value));
    if (box_) box_->setChecked(!none_);
    UpdateLook();
    programmatic_ = false;
}

QString DatePicker::Text() const {
    return none_ ? QString() : edit_->dateTime().toString(QStringLiteral("yyyy/MM/dd"));
}

void DatePicker::UpdateLook() {
    QPalette pal = edit_->palette();
    pal.setColor(QPalette::Text, none_ ? palette().color(QPalette::Disabled, QPalette::Text)
                                       : palette().color(QPalette::Active, QPalette::Text));
    edit_->setPalette(pal);
}

// --- LinkLabel ---

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    Render();
}

void LinkLabel::SetLinkText(const QString& text) {
    text_ = text;
    Render();
    // Fits its text, as the link control does when its text is set.
    resize(fontMetrics().horizontalAdvance(text_) + 4, height());
}

void LinkLabel::MarkVisited() {
    visited_ = true;
    Render();
}

void LinkLabel::Render() {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText,
                 visited_ ? QColor(0x80, 0x00, 0x80) : QColor(0x00, 0x66, 0xcc));
    setPalette(pal);
    setText(text_);
}

void LinkLabel::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool hit = pressed_ && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (hit) emit clicked();
}

}  // namespace zl
