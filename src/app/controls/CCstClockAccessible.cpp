// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CCstClockAccessible.h"

#include <QCoreApplication>

#include "controls/CCstClock.h"

namespace {

QAccessibleInterface* MakeClockInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(CCstClock::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new CCstClockAccessible(static_cast<CCstClock*>(object));
    }
    return nullptr;
}

}  // namespace

CCstClockAccessible::CCstClockAccessible(CCstClock* clock)
    : QAccessibleWidget(clock, QAccessible::Clock) {}

void CCstClockAccessible::Register() {
    static const bool registered = (QAccessible::installFactory(&MakeClockInterface), true);
    (void)registered;
}

QString CCstClockAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return QCoreApplication::translate("CCstClockAccessible", "時計");
        case QAccessible::Value:
            return clock().SpokenDateTime();
        case QAccessible::Description:
            return clock().SpokenCaptions();
        default:
            return QAccessibleWidget::text(t);
    }
}

const CCstClock& CCstClockAccessible::clock() const {
    return *static_cast<const CCstClock*>(widget());
}
