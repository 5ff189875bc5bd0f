// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Shows `window` again if it was minimised, raises it above the others and asks for the focus.
void BringToFront(QWidget& window);
