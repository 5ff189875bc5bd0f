// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/VirtualKey.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace {

// Codes as a settings file written on Windows holds them.
TEST(VirtualKeyTest, KeysGiveTheirWindowsCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_F5, Qt::NoModifier, 116},        {Qt::Key_F24, Qt::NoModifier, 135},
        {Qt::Key_Return, Qt::NoModifier, 13},     {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Shift, Qt::ShiftModifier, 16},   {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_A, Qt::NoModifier, 65},          {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_7, Qt::NoModifier, 55},          {Qt::Key_7, Qt::KeypadModifier, 0x67},
        {Qt::Key_Plus, Qt::KeypadModifier, 0x6B}, {Qt::Key_Plus, Qt::ShiftModifier, 187},
        {Qt::Key_Exclam, Qt::ShiftModifier, '1'}, {Qt::Key_Colon, Qt::ShiftModifier, 186},
        {Qt::Key_Left, Qt::NoModifier, 37},       {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_Space, Qt::NoModifier, 32},      {Qt::Key_unknown, Qt::NoModifier, 0},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        EXPECT_EQ(VirtualKeyCode(event), c.code) << std::hex << c.key;
    }
}

// What the X server reports for a press on a Japanese keyboard: the keycode of the key's place
// and the character it typed. Keys with a place code get it whatever Shift made of them; the
// others, and presses without a keycode, go by their character.
TEST(VirtualKeyTest, KeysOnAJapaneseKeyboardKeepTheirOwnCodes) {
    struct Case {
        quint32 keycode;
        int key;
        Qt::KeyboardModifiers modifiers;
        KeyboardLayout layout;
        int code;
    };
    const Case cases[] = {
        {21, Qt::Key_AsciiCircum, Qt::NoModifier, KeyboardLayout::Jis, 0xDE},
        {15, Qt::Key_6, Qt::NoModifier, KeyboardLayout::Jis, '6'},
        {15, Qt::Key_Ampersand, Qt::ShiftModifier, KeyboardLayout::Jis, '6'},
        {11, Qt::Key_QuoteDbl, Qt::ShiftModifier, KeyboardLayout::Jis, '2'},
        {47, Qt::Key_Plus, Qt::ShiftModifier, KeyboardLayout::Jis, 0xBB},
        {97, Qt::Key_Backslash, Qt::NoModifier, KeyboardLayout::Jis, 0xE2},
        {38, Qt::Key_A, Qt::NoModifier, KeyboardLayout::Jis, 'A'},
        {47, Qt::Key_Colon, Qt::ShiftModifier, KeyboardLayout::Us, 0xBA},
        {21, Qt::Key_AsciiCircum, Qt::NoModifier, KeyboardLayout::Other, '6'},
        {0, Qt::Key_At, Qt::NoModifier, KeyboardLayout::Jis, '2'},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.keycode, 0, 0);
        EXPECT_EQ(VirtualKeyCode(event, c.layout), c.code) << c.keycode << " " << std::hex << c.key;
    }
}

}  // namespace
