// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include "KovarisVersion.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The action a click on the notification itself invokes.
const QString kDefaultAction = QStringLiteral("default");

}  // namespace

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                    SLOT(OnActionInvoked(uint, QString)));
        bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                    SLOT(OnClosed(uint, uint)));
    }
}

QVariantList DesktopNotifier::NotifyArguments(const QString& title, const QString& body) {
    // The names the package installs the icon and the desktop entry under, so that the desktop
    // shows our icon and files the notification under the program.
    const QString desktopId = QString::fromLatin1(kDesktopId);
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), desktopId);
    const QStringList actions = {kDefaultAction, tr("表示")};
    constexpr int kShownMs = 60 * 1000;
    return {QStringLiteral("KovarisWin"), 0U, desktopId, title, body, actions, hints, kShownMs};
}

void DesktopNotifier::Notify(const QString& title, const QString& body) {
    const QString text = title + QStringLiteral("  ") + body;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Q_EMIT unavailable(text);
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call.setArguments(NotifyArguments(title, body));
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, text] {
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            Q_EMIT unavailable(text);
        } else {
            shown_.insert(reply.value());
        }
        watcher->deleteLater();
    });
}

void DesktopNotifier::OnActionInvoked(uint id, const QString& action) {
    // The service tells every program of every click; only ours concern the window.
    if (action == kDefaultAction && shown_.count(id) != 0) {
        Q_EMIT activated();
    }
}

void DesktopNotifier::OnClosed(uint id, uint /*reason*/) {
    shown_.erase(id);
}
