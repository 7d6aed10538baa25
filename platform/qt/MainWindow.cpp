#include "platform/qt/MainWindow.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QWindow>
#include <utility>

#include "app/ControlTable.h"
#include "platform/qt/ProgressBar.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/SingleLineEdit.h"

static void InitZorvelResources() { Q_INIT_RESOURCE(zorvel); }

namespace zl {

namespace {

// Windows rounds dialog-unit conversions with MulDiv.
int MulDiv(int a, int b, int c) {
    return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

// The main list's horizontal scroll extent, in pixels.
constexpr int kListExtent = 5000;

}  // namespace

QFont DialogFont() {
    const QString ms = QStringLiteral("ＭＳ ゴシック");
    QFont f(QFontDatabase::families().contains(ms) ? ms : QStringLiteral("IPAGothic"));
    f.setPointSize(12);
    f.setStyleHint(QFont::Monospace);
    return f;
}

QIcon AppIcon() {
    InitZorvelResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/zorvel/zorvel32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/zorvel/zorvel64.png"), QSize(64, 64));
    return icon;
}

// --- QtMainWindow ---

QtMainWindow::QtMainWindow(QWidget* parent) : QWidget(parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("zorvel"));
    setWindowIcon(AppIcon());
    Build();
    qApp->installEventFilter(this);
}

QtMainWindow::~QtMainWindow() {
    qApp->removeEventFilter(this);
    delete model_;
    model_ = nullptr;
}

QRect QtMainWindow::MapDialogRect(int x, int y, int w, int h) const {
    return QRect(MulDiv(x, baseX_, 4), MulDiv(y, baseY_, 8), MulDiv(w, baseX_, 4),
                 MulDiv(h, baseY_, 8));
}

void QtMainWindow::Register(int id, QWidget* w) {
    widgets_[id] = w;
    ids_[w] = id;
}

void QtMainWindow::Build() {
    const QFont font = DialogFont();
    setFont(font);
    const QFontMetrics fm(font);
    // Base units as the platform takes them from the dialog font.
    const int letters = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = fm.height();
    setFixedSize(MapDialogRect(0, 0, kDialogWidth, kDialogHeight).size());

    // Group boxes first, so that every control lies above them.
    for (const GroupBoxSpec& g : GroupBoxes()) {
        auto* box = new QGroupBox(this);
        box->setGeometry(MapDialogRect(g.x, g.y, g.width, g.height));
        box->setFocusPolicy(Qt::NoFocus);
    }
    for (const StaticLabelSpec& s : StaticLabels()) {
        auto* label = new QLabel(Q(s.caption), this);
        label->setTextFormat(Qt::PlainText);
        const QRect r = MapDialogRect(s.x, s.y, 0, 8);
        label->setGeometry(r.x(), r.y(), fm.horizontalAdvance(label->text()) + 2, r.height());
    }

    QWidget* previous = nullptr;
    for (const ControlSpec& c : ControlTable()) {
        QWidget* w = nullptr;
        const QRect r = MapDialogRect(c.x, c.y, c.width, c.height);
        switch (c.kind) {
            case ControlKind::Edit: {
                auto* e = new QLineEdit(this);
                MakeSingleLine(e);
                e->setReadOnly(c.flags & kReadOnly);
                if (c.flags & kRightAligned) e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                e->setTextMargins(0, 0, 0, 0);
                w = e;
                break;
            }
            case ControlKind::Button: {
                auto* b = new QPushButton(Q(c.caption), this);
                b->setAutoDefault(false);
                b->setDefault(false);
                connect(b, &QPushButton::clicked, this,
                        [this, id = c.id] { Emit(id, UiEvent::Clicked); });
                w = b;
                break;
            }
            case ControlKind::Check: {
                auto* b = new QCheckBox(Q(c.caption), this);
                connect(b, &QCheckBox::clicked, this,
                        [this, id = c.id] { Emit(id, UiEvent::Clicked); });
                w = b;
                break;
            }
            case ControlKind::DropDown: {
                auto* d = new DropDown(this);
                for (std::u16string_view item : c.items) d->addItem(Q(item));
                d->setCurrentIndex(-1);
                connect(d, &DropDown::closedUp, this,
                        [this, id = c.id] { Emit(id, UiEvent::DropDownClosed); });
                w = d;
                break;
            }
            case ControlKind::DatePicker: {
                auto* d = new DatePicker(c.flags & kNoDateState, this);
                connect(d, &DatePicker::userChanged, this,
                        [this, id = c.id] { Emit(id, UiEvent::DateChanged); });
                connect(d, &DatePicker::calendarClosed, this,
                        [this, id = c.id] { Emit(id, UiEvent::CalendarClosed); });
                w = d;
                break;
            }
            case ControlKind::ListBox: {
                if (c.id == id::kMainList) {
                    mainList_ = new MainListView(this);
                    mainList_->setSelectionMode(QAbstractItemView::SingleSelection);
                    mainList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
                    mainList_->setUniformItemSizes(true);
                    mainList_->setTextElideMode(Qt::ElideNone);
                    mainList_->setWordWrap(false);
                    mainList_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
                    mainList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                    mainList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                    connect(mainList_, &MainListView::userSelectionChanged, this,
                            [this] { Emit(id::kMainList, UiEvent::SelectionChanged); });
                    connect(mainList_, &QListView::doubleClicked, this,
                            [this] { Emit(id::kMainList, UiEvent::DoubleClicked); });
                    w = mainList_;
                } else {
                    auto* l = new QListWidget(this);
                    l->setSortingEnabled(c.flags & kSorted);
                    w = l;
                }
                break;
            }
            case ControlKind::ProgressBar: {
                w = new ProgressBar(this);
                break;
            }
            case ControlKind::Label: {
                auto* l = new QLabel(Q(c.caption), this);
                l->setTextFormat(Qt::PlainText);
                if (c.flags & kRightAligned) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (c.flags & kSunken) {
                    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                    l->setMargin(1);
                }
                w = l;
                break;
            }
            case ControlKind::Link: {
                auto* l = new LinkLabel(this);
                connect(l, &LinkLabel::clicked, this, [this, l, id = c.id] {
                    QApplication::setOverrideCursor(Qt::WaitCursor);
                    Emit(id, UiEvent::Clicked);
                    QApplication::restoreOverrideCursor();
                    l->MarkVisited();
                });
                w = l;
                break;
            }
        }
        w->setGeometry(r);
        if (c.flags & kHidden) w->hide();
        if (c.flags & kDisabled) w->setEnabled(false);
        Register(c.id, w);
        if (w->focusPolicy() != Qt::NoFocus) {
            if (previous) QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
    // The combo boxes keep the edit height; their lists open below them.
    for (const ControlSpec& c : ControlTable())
        if (c.kind == ControlKind::DropDown)
            widgets_[c.id]->setGeometry(MapDialogRect(c.x, c.y, c.width, 12));

    for (const TooltipSpec& t : Tooltips())
        if (QWidget* w = Widget(t.id)) w->setToolTip(Q(t.text));

    model_ = nullptr;
}

void QtMainWindow::Attach(WindowEvents* events, RosterList* roster) {
    events_ = events;
    roster_ = roster;
    delete model_;
    model_ = new RosterModel(*roster, QSize(kListExtent, fontMetrics().height()), nullptr);
    mainList_->setModel(model_);
}

void QtMainWindow::Start() {
    if (events_) events_->OnInitDialog();
}

QWidget* QtMainWindow::Widget(int id) const {
    auto it = widgets_.find(id);
    return it == widgets_.end() ? nullptr : it->second;
}

int QtMainWindow::IdOf(const QWidget* w) const {
    for (; w && w != this; w = w->parentWidget()) {
        auto it = ids_.find(w);
        if (it != ids_.end()) return it->second;
    }
    return 0;
}

void QtMainWindow::Emit(int id, UiEvent event) {
    if (events_) events_->OnEvent(id, event);
}

int QtMainWindow::FocusedId() const { return IdOf(focusWidget()); }

void QtMainWindow::SettleFocus() {
    if (settling_ || !events_) return;  // the running pass picks the move up
    settling_ = true;
    // A handler that moves the focus again starts another pass; a bounded number of passes
    // keeps two handlers that send the focus to each other from looping for ever.
    for (int pass = 0; pass < 16; ++pass) {
        const int now = FocusedId();
        if (now == reportedFocus_) break;
        const int old = reportedFocus_;
        reportedFocus_ = 0;
        if (old) events_->OnEvent(old, UiEvent::FocusOut);
        if (FocusedId() != now) continue;  // the leave handler sent the focus elsewhere
        reportedFocus_ = now;
        if (now) events_->OnEvent(now, UiEvent::FocusIn);
    }
    settling_ = false;
}

bool QtMainWindow::eventFilter(QObject* o, QEvent* e) {
    if (o == this && e->type() == QEvent::WindowBlocked) {
        ++boxesOpened_;  // a message box (or another modal window) opens over the window
        return false;
    }
    if (o == this && e->type() == QEvent::WindowUnblocked) {
        // The owner is active again when its box closes, whether or not a window manager
        // hands the activation back.
        activateWindow();
        return false;
    }
    if (!o->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(o);
    switch (e->type()) {
        case QEvent::FocusIn: {
            // Also on returning from a message box or a drop-down list: mostly the focus is
            // where it was, but a press into the inactive window moves it without a report.
            if (w->window() != this) break;
            if (static_cast<QFocusEvent*>(e)->reason() != Qt::MouseFocusReason) {
                SettleFocus();
                break;
            }
            // A press gives the focus before the control sees the press.
            const int before = boxesOpened_;
            SettleFocus();
            boxOnPressFocus_ = boxesOpened_ != before;
            break;
        }
        case QEvent::KeyPress: {
            if (w->window() != this || !events_) break;
            SettleFocus();  // a key in the inactive window may follow an unreported move
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return events_->PreTranslateKey(Key::Enter);
            if (key == Qt::Key_Escape) return events_->PreTranslateKey(Key::Escape);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (w->window() != this) break;
            swallowRelease_ = false;
            // The press has given the focus already; in an inactive window it did so without
            // a focus event, so the move is reported now. When a leave handler moved the focus
            // elsewhere, or showed a message box, the click is lost, as it is on the platform
            // the program was written for: the box took the mouse, the control never gets
            // the button-up.
            const int before = boxesOpened_;
            SettleFocus();
            const bool box = std::exchange(boxOnPressFocus_, false) || boxesOpened_ != before;
            const int target = IdOf(w);
            QWidget* cw = Widget(target);
            const bool moved =
                target && cw && (cw->focusPolicy() & Qt::ClickFocus) && FocusedId() != target;
            if (moved || box) {
                // The button may have come up while the box was open; then no release follows.
                swallowRelease_ = QApplication::mouseButtons() != Qt::NoButton;
                return true;
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            if (swallowRelease_ && w->window() == this) {
                swallowRelease_ = false;
                return true;
            }
            break;
        default:
            break;
    }
    return false;
}

void QtMainWindow::closeEvent(QCloseEvent* e) {
    if (!events_ || events_->OnCloseRequest()) {
        closed_ = true;
        e->accept();
    } else {
        e->ignore();
    }
}

// Linux window managers give a program no system menu; the window's own context menu holds
// the about item instead.
void QtMainWindow::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    QAction* about = menu.addAction(QStringLiteral("バージョン情報 zorvel(&A)..."));
    if (menu.exec(e->globalPos()) == about && events_) events_->OnSystemCommand(kAboutCommand);
}

// --- Controls ---

std::u16string QtMainWindow::Title() const { return U(windowTitle()); }
void QtMainWindow::SetTitle(std::u16string_view title) { setWindowTitle(Q(title)); }

std::u16string QtMainWindow::Text(int id) const {
    QWidget* w = Widget(id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return U(e->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return U(b->text());
    if (auto* l = qobject_cast<LinkLabel*>(w)) return U(l->LinkText());
    if (auto* l = qobject_cast<QLabel*>(w)) return U(l->text());
    if (auto* c = qobject_cast<QComboBox*>(w)) return U(c->currentText());
    if (auto* d = qobject_cast<DatePicker*>(w)) return U(d->Text());
    return {};
}

void QtMainWindow::SetText(int id, std::u16string_view text) {
    QWidget* w = Widget(id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(Q(text));
        e->setCursorPosition(0);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(Q(text));
    } else if (auto* l = qobject_cast<LinkLabel*>(w)) {
        l->SetLinkText(Q(text));
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(Q(text));
    }
}

bool QtMainWindow::Checked(int id) const {
    auto* b = qobject_cast<QAbstractButton*>(Widget(id));
    return b && b->isChecked();
}
void QtMainWindow::SetChecked(int id, bool checked) {
    if (auto* b = qobject_cast<QAbstractButton*>(Widget(id))) b->setChecked(checked);
}

bool QtMainWindow::Visible(int id) const {
    QWidget* w = Widget(id);
    return w && !w->isHidden();
}
void QtMainWindow::SetVisible(int id, bool visible) {
    if (QWidget* w = Widget(id)) w->setVisible(visible);
}

bool QtMainWindow::Enabled(int id) const {
    QWidget* w = Widget(id);
    return w && w->isEnabled();
}
void QtMainWindow::SetEnabled(int id, bool enabled) {
    if (QWidget* w = Widget(id)) w->setEnabled(enabled);
}

int QtMainWindow::Focus() const { return FocusedId(); }

void QtMainWindow::SetFocus(int id) {
    if (QWidget* w = Widget(id)) {
        w->setFocus(Qt::OtherFocusReason);
        SettleFocus();
    }
}

void QtMainWindow::TextSelection(int id, int& from, int& to) const {
    from = to = 0;
    auto* e = qobject_cast<QLineEdit*>(Widget(id));
    if (!e) return;
    if (e->hasSelectedText()) {
        from = e->selectionStart();
        to = e->selectionEnd();
    } else {
        from = to = e->cursorPosition();
    }
}

void QtMainWindow::SetTextSelection(int id, int from, int to) {
    auto* e = qobject_cast<QLineEdit*>(Widget(id));
    if (!e) return;
    const int n = static_cast<int>(e->text().size());
    if (from == -1) {
        e->deselect();
        e->setCursorPosition(to == -1 ? n : std::clamp(to, 0, n));
        return;
    }
    if (to == -1) to = n;
    from = std::clamp(from, 0, n);
    to = std::clamp(to, 0, n);
    if (from == to) {
        e->deselect();
        e->setCursorPosition(from);
    } else {
        e->setSelection(from, to - from);
    }
}

void QtMainWindow::SetTooltip(int id, std::u16string_view text) {
    if (QWidget* w = Widget(id)) w->setToolTip(Q(text));
}

int QtMainWindow::ListSelection(int id) const {
    if (id == id::kMainList) {
        const QModelIndexList rows = mainList_->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    if (auto* l = qobject_cast<QListWidget*>(Widget(id))) return l->currentRow();
    return -1;
}

void QtMainWindow::SetListSelection(int id, int index) {
    if (id == id::kMainList) {
        mainList_->programmatic = true;
        if (index < 0 || index >= model_->rowCount()) {
            mainList_->selectionModel()->clear();
        } else {
            const QModelIndex i = model_->index(index, 0);
            mainList_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
            mainList_->scrollTo(i);
        }
        mainList_->programmatic = false;
    } else if (auto* l = qobject_cast<QListWidget*>(Widget(id))) {
        l->setCurrentRow(index);
    }
}

int QtMainWindow::ListTopIndex(int id) const {
    if (id != id::kMainList) return 0;
    const QModelIndex i = mainList_->indexAt(QPoint(1, 1));
    return i.isValid() ? i.row() : 0;
}

void QtMainWindow::SetListTopIndex(int id, int index) {
    if (id != id::kMainList || index < 0 || index >= model_->rowCount()) return;
    mainList_->scrollTo(model_->index(index, 0), QAbstractItemView::PositionAtTop);
}

int QtMainWindow::ComboCount(int id) const {
    auto* c = qobject_cast<QComboBox*>(Widget(id));
    return c ? c->count() : 0;
}
std::u16string QtMainWindow::ComboItem(int id, int index) const {
    auto* c = qobject_cast<QComboBox*>(Widget(id));
    return c ? U(c->itemText(index)) : std::u16string();
}
void QtMainWindow::ComboInsert(int id, int index, std::u16string_view text) {
    if (auto* c = qobject_cast<QComboBox*>(Widget(id))) c->insertItem(index, Q(text));
}
int QtMainWindow::ComboSelection(int id) const {
    auto* c = qobject_cast<QComboBox*>(Widget(id));
    return c ? c->currentIndex() : -1;
}
void QtMainWindow::SetComboSelection(int id, int index) {
    if (auto* c = qobject_cast<QComboBox*>(Widget(id)))
        c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
}

std::optional<DateTime> QtMainWindow::PickerValue(int id) const {
    auto* d = qobject_cast<DatePicker*>(Widget(id));
    return d ? d->Value() : std::nullopt;
}
void QtMainWindow::SetPickerValue(int id, std::optional<DateTime> value) {
    if (auto* d = qobject_cast<DatePicker*>(Widget(id))) d->SetValue(value);
}

void QtMainWindow::SetProgressRange(int id, int low, int high) {
    if (auto* p = qobject_cast<ProgressBar*>(Widget(id))) p->SetRange(low, high);
}
void QtMainWindow::SetProgressPos(int id, int pos) {
    if (auto* p = qobject_cast<ProgressBar*>(Widget(id))) p->SetPos(pos);
}

}  // namespace zl
