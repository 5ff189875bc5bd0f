#include "mainwin/KeyWatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "controls/VirtualKey.h"

KeyWatch::KeyWatch(QWidget& window, const AppSettings& settings, Perform perform)
    : QObject(&window), window_(window), settings_(settings), perform_(std::move(perform)) {
    // Only an application-wide filter sees keys before whichever control has the focus.
    QApplication::instance()->installEventFilter(this);
}

void KeyWatch::PostArrow(QWidget& list, bool up) {
    auto* event = new QKeyEvent(QEvent::KeyPress, up ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
    posted_.insert(event);
    QCoreApplication::postEvent(&list, event);
}

bool KeyWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window_ || posted_.erase(event) > 0) {
        return false;
    }
    const auto action =
        FindShortcutAction(settings_.shortcutKeys, VirtualKeyCode(*static_cast<QKeyEvent*>(event)));
    if (!action) {
        return false;
    }
    perform_(*action);
    return true;
}
