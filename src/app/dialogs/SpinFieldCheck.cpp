// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SpinFieldCheck.h"

#include <QSpinBox>

#include "controls/QtConvert.h"
#include "settings/IntField.h"
#include "text/Messenger.h"

bool ReadSpinField(QSpinBox& edit, int min, int max, Messenger& messenger, int& value) {
    const IntFieldCheck check = CheckIntField(ToWString(edit.cleanText()), min, max);
    if (!check.ok) {
        messenger.Show(L"KovarisWM(警告)", check.message);
        edit.setFocus(Qt::OtherFocusReason);
        edit.selectAll();
        return false;
    }
    value = check.value;
    return true;
}
