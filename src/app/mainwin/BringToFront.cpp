// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/BringToFront.h"

#include <QWidget>

void BringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}
