// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/WaitCursor.h"

#include <QApplication>

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}
