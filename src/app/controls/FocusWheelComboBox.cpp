// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FocusWheelComboBox.h"

#include <QWheelEvent>

FocusWheelComboBox::FocusWheelComboBox(QWidget* parent) : QComboBox(parent) {
    // The default focus policy hands the focus to the box at the first turn of the wheel.
    setFocusPolicy(Qt::StrongFocus);
}

void FocusWheelComboBox::wheelEvent(QWheelEvent* event) {
    if (hasFocus()) {
        QComboBox::wheelEvent(event);
        return;
    }
    // Left to the parents, as if the box were not there.
    event->ignore();
}
