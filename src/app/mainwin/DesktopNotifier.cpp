#include "mainwin/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

void DesktopNotifier::Notify(const QString& title, const QString& body) {
    const QString text = title + QStringLiteral("  ") + body;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Q_EMIT unavailable(text);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    constexpr int kShownMs = 60 * 1000;
    call << QStringLiteral("KovarisWin") << 0U << QStringLiteral("kovariswin") << title << body
         << QStringList() << QVariantMap() << kShownMs;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, text] {
        if (watcher->isError()) {
            Q_EMIT unavailable(text);
        }
        watcher->deleteLater();
    });
}
