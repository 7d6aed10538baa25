#include "platform/qt/QtInputMethod.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodQueryEvent>
#include <QTimer>
#include <QWidget>

#include "platform/qt/MainWindow.h"

namespace zl {

void ActivateFcitx() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.fcitx.Fcitx5"), QStringLiteral("/controller"),
        QStringLiteral("org.fcitx.Fcitx.Controller1"), QStringLiteral("Activate"));
    call.setAutoStartService(false);
    bus.send(call);  // no answer awaited: without Fcitx 5 the call simply fails
}

namespace {

// Offscreen and minimal platforms have no input method to switch on.
bool HasInputMethod() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// Whether `o` is a field's widget whose input method is open (`open` true) or closed (false).
bool IsIn(const std::map<const QObject*, bool>& fields, const QObject* o, bool open) {
    const auto it = fields.find(o);
    return it != fields.end() && it->second == open;
}

}  // namespace

QtInputMethod::QtInputMethod(QtMainWindow* window) : window_(window) {
    if (window_) window_->installEventFilter(this);
}

void QtInputMethod::SetOpen(int id, bool open) {
    QWidget* w = window_ ? window_->Widget(id) : nullptr;
    if (!w) return;
    // The query goes to the widget that really holds the focus: an edit inside a date picker.
    while (QWidget* proxy = w->focusProxy()) w = proxy;
    if (fields_.insert_or_assign(w, open).second) {
        w->installEventFilter(this);
        connect(w, &QObject::destroyed, this, [this](QObject* o) { fields_.erase(o); });
    }

    if (QGuiApplication::focusObject() == w) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    // The call is made once the focus change has reached the input method, so that it applies
    // to this field; in an inactive window (a message box open over it) it waits for the window
    // to become active again.
    if (open && HasInputMethod())
        QMetaObject::invokeMethod(this, &QtInputMethod::ActivateIfOpen, Qt::QueuedConnection);
}

void QtInputMethod::ActivateIfOpen() {
    if (window_ && window_->isActiveWindow() && IsIn(fields_, QGuiApplication::focusObject(), true))
        ActivateFcitx();
}

bool QtInputMethod::eventFilter(QObject* o, QEvent* e) {
    if (o == window_ && e->type() == QEvent::WindowActivate && HasInputMethod()) {
        // The field had the focus before the window was shown, or got it while another window
        // (a message box) was active: the input method is switched on now. At the first
        // activation the window's input-method connection is still being made, and a call
        // made before it exists would reach the window that was active before; so the call
        // waits a moment, and is repeated as long as nothing has been typed.
        if (std::exchange(firstActivation_, false)) {
            for (int ms : {400, 1200, 3000})
                QTimer::singleShot(ms, this, [this] {
                    if (!typed_) ActivateIfOpen();
                });
        } else {
            QMetaObject::invokeMethod(this, &QtInputMethod::ActivateIfOpen, Qt::QueuedConnection);
        }
        return false;
    }
    if (e->type() == QEvent::KeyPress && fields_.count(o)) typed_ = true;
    if (e->type() != QEvent::InputMethodQuery || !IsIn(fields_, o, false)) return false;
    auto* query = static_cast<QInputMethodQueryEvent*>(e);
    const Qt::InputMethodQueries queries = query->queries();
    if (!(queries & Qt::ImEnabled)) return false;
    auto* w = static_cast<QWidget*>(o);
    for (unsigned bit = 0; bit < 32; ++bit) {
        const auto q = static_cast<Qt::InputMethodQuery>(queries.toInt() & (1u << bit));
        if (q == Qt::ImEnabled)
            query->setValue(q, false);
        else if (q)
            query->setValue(q, w->inputMethodQuery(q));
    }
    return true;
}

}  // namespace zl
