// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemDelegate>

class CLstTimes;

// Hands the painting of each row to the list, which draws it from the timetable.
class CLstTimesDelegate : public QAbstractItemDelegate {
public:
    explicit CLstTimesDelegate(CLstTimes& list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CLstTimes& list_;
};
