// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class CCstClock;

// What a screen reader learns of the clock: its name, the date and time it shows as its value,
// and the captions of the section on show as its description. All are read when asked for; the
// clock sends no change every second, which would drown everything else the reader has to say.
class CCstClockAccessible : public QAccessibleWidget {
public:
    explicit CCstClockAccessible(CCstClock* clock);

    // Makes every clock answer through this class; once is enough, more calls do nothing.
    static void Register();

    QString text(QAccessible::Text t) const override;

private:
    const CCstClock& clock() const;
};
