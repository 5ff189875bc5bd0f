// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <set>

// Shows a message as a desktop notification through the freedesktop notification service on
// the session bus, under the program's installed icon and desktop entry. The call does not wait
// for the service; when none answers, `unavailable` hands the message back so the window can
// show it itself. A click on one of the notifications shown emits `activated`.
class DesktopNotifier : public QObject {
    Q_OBJECT

public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    void Notify(const QString& title, const QString& body);

    // The arguments of the service's Notify call, in its order: application name, id to
    // replace, icon, summary, body, actions, hints, timeout.
    static QVariantList NotifyArguments(const QString& title, const QString& body);

Q_SIGNALS:
    void unavailable(const QString& text);
    // The traveller clicked a notification of ours: the window should come to the front.
    void activated();

private Q_SLOTS:
    void OnActionInvoked(uint id, const QString& action);
    void OnClosed(uint id, uint reason);

private:
    std::set<uint> shown_;  // ids the service gave our notifications, until they close
};
