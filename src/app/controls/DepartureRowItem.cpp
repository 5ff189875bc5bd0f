// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DepartureRowItem.h"

#include "controls/CLstTimes.h"

QVariant DepartureRowItem::data(int role) const {
    const auto* list = qobject_cast<const CLstTimes*>(listWidget());
    if (role == Qt::AccessibleTextRole && list != nullptr) {
        return list->SpokenRow(list->row(this));
    }
    return QListWidgetItem::data(role);
}
