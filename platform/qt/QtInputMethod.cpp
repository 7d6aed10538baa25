#include "platform/qt/QtInputMethod.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodQueryEvent>
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

void QtInputMethod::SetOpen(int id, bool open) {
    QWidget* w = window_ ? window_->Widget(id) : nullptr;
    if (!w) return;
    // The query goes to the widget that really holds the focus: an edit inside a date picker.
    while (QWidget* proxy = w->focusProxy()) w = proxy;
    if (filtered_.insert(w).second) {
        w->installEventFilter(this);
        connect(w, &QObject::destroyed, this, [this](QObject* o) {
            closed_.erase(o);
            filtered_.erase(o);
        });
    }
    if (open)
        closed_.erase(w);
    else
        closed_.insert(w);

    if (QGuiApplication::focusObject() == w) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    // Offscreen and minimal platforms have no input method to switch on. The call is made once
    // the focus change has reached the input method, so that it applies to this field.
    const QString platform = QGuiApplication::platformName();
    if (open && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMetaObject::invokeMethod(this, &ActivateFcitx, Qt::QueuedConnection);
}

bool QtInputMethod::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::InputMethodQuery || !closed_.count(o)) return false;
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
