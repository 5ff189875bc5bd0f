// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/KeyWatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "controls/VirtualKey.h"

namespace {

// An arrow the watch sends itself. A list at its first or last row hands it on to its parents,
// so it must stay recognisable there: read as the bound key again, it would be sent for ever.
class PostedArrow : public QKeyEvent {
public:
    explicit PostedArrow(bool up)
        : QKeyEvent(QEvent::KeyPress, up ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier) {}
};

}  // namespace

KeyWatch::KeyWatch(QWidget& window, const AppSettings& settings, Perform perform)
    : QObject(&window), window_(window), settings_(settings), perform_(std::move(perform)) {
    // Only an application-wide filter sees keys before whichever control has the focus.
    QApplication::instance()->installEventFilter(this);
}

void KeyWatch::PostArrow(QWidget& list, bool up) {
    QCoreApplication::postEvent(&list, new PostedArrow(up));
}

bool KeyWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window_ ||
        dynamic_cast<const PostedArrow*>(event) != nullptr) {
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
