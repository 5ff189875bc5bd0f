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

}  // namespace
