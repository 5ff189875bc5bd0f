// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CLstTimesDelegate.h"

#include <QPainter>

#include "controls/CLstTimes.h"

CLstTimesDelegate::CLstTimesDelegate(CLstTimes& list) : QAbstractItemDelegate(&list), list_(list) {}

void CLstTimesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    list_.DrawRow(*painter, option.rect, index.row(), option.state.testFlag(QStyle::State_Selected),
                  option.state.testFlag(QStyle::State_HasFocus));
}

QSize CLstTimesDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                  const QModelIndex& /*index*/) const {
    return {1, list_.RowHeight()};
}
