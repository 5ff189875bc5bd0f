// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Key bindings are stored as the virtual-key codes a Windows keyboard layout gives each key, so
// that a settings file moves between machines. Outside the letters those codes belong to the
// key's place on the keyboard, not to the character it types: on a Japanese keyboard the key
// typing "^" is 0xDE and the one typing "6" is '6', whatever Shift does.
enum class KeyboardLayout {
    Us,
    Jis,
    Other,  // neither: the code follows the typed character as on a US keyboard
};

// The X keycode (the Linux input code plus 8) of the key right of "-" on both keyboards: "=" on
// a US layout, "^" on a Japanese one, so its symbol tells the two apart.
inline constexpr int kLayoutProbeKeycode = 21;

// The layout whose key at kLayoutProbeKeycode types `keysym` unshifted (an X keysym: printable
// ASCII characters are their own code).
KeyboardLayout LayoutOfProbeKeySymbol(std::uint32_t keysym);

// Whether the key at X keycode `keycode` takes its code from its place: the digit row and the
// punctuation keys of the main block, and the keys only a Japanese keyboard has.
bool HasPlaceCode(int keycode);

// The virtual-key code of the key at X keycode `keycode` on `layout`; 0 when its place gives it
// none there (letters, function and modifier keys, every key on an `Other` layout).
int PlaceKeyCode(int keycode, KeyboardLayout layout);
