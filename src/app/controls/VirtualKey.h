// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyboardLayout.h"

class QKeyEvent;

// The Windows virtual-key code of a key press, as the settings file stores key bindings (F5 is
// 116, Enter 13, Shift 16), so that files move between machines; 0 for a key without one.
// The digit row and the punctuation keys take the code of their place on the keyboard of the
// X server's layout (US or Japanese); any other key, and every key where the window system
// gives no keycode, takes the code of the character typed as on a US keyboard.
int VirtualKeyCode(const QKeyEvent& event);

// The same on a given layout.
int VirtualKeyCode(const QKeyEvent& event, KeyboardLayout layout);
