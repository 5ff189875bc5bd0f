// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// A list where, once a row is chosen, one row stays chosen: Ctrl+click or Ctrl+Space on the
// chosen row changes nothing, as in the single-choice list boxes the board's users know. A
// list left with no choice while it still has a current row would act on a row it no longer
// shows as chosen.
class SingleChoiceList : public QListWidget {
    Q_OBJECT

public:
    explicit SingleChoiceList(QWidget* parent = nullptr);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
};
