// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidgetItem>

// A row of the departure list. It holds no text: the list draws it from the timetable, and a
// screen reader that asks for the row's text is given what the row shows at that moment, so the
// countdown is read when the row is reached, not announced every second.
class DepartureRowItem : public QListWidgetItem {
public:
    DepartureRowItem() = default;

    QVariant data(int role) const override;
};
