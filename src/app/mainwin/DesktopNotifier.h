#pragma once

#include <QObject>
#include <QString>

// Shows a message as a desktop notification through the freedesktop notification service on
// the session bus. The call does not wait for the service; when none answers, `unavailable`
// hands the message back so the window can show it itself.
class DesktopNotifier : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void Notify(const QString& title, const QString& body);

Q_SIGNALS:
    void unavailable(const QString& text);
};
