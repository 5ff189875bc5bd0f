// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SingleChoiceList.h"

SingleChoiceList::SingleChoiceList(QWidget* parent) : QListWidget(parent) {}

QItemSelectionModel::SelectionFlags SingleChoiceList::selectionCommand(const QModelIndex& index,
                                                                       const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        return QItemSelectionModel::NoUpdate;
    }
    return flags;
}
