#pragma once

class QKeyEvent;

// The Windows virtual-key code of a key press, as the settings file stores key bindings (F5 is
// 116, Enter 13, Shift 16), so that files move between machines; 0 for a key without one.
// Keys are taken as on a US layout: the key that types ";" or ":" is 186 whichever it typed.
int VirtualKeyCode(const QKeyEvent& event);
