// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/VirtualKey.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <cstdlib>
#include <memory>
#include <unordered_map>

namespace {

int KeypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return 0x60 + (key - Qt::Key_0);  // VK_NUMPAD0..9
    }
    switch (key) {
        case Qt::Key_Asterisk:
            return 0x6A;
        case Qt::Key_Plus:
            return 0x6B;
        case Qt::Key_Minus:
            return 0x6D;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 0x6E;
        case Qt::Key_Slash:
            return 0x6F;
        default:
            return 0;
    }
}

// Keys whose code is not their character's.
const std::unordered_map<int, int>& NamedKeys() {
    static const std::unordered_map<int, int> codes = {
        {Qt::Key_Backspace, 8},
        {Qt::Key_Tab, 9},
        {Qt::Key_Backtab, 9},
        {Qt::Key_Clear, 12},
        {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18},
        {Qt::Key_AltGr, 18},
        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},
        {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},
        {Qt::Key_Select, 41},
        {Qt::Key_Printer, 42},
        {Qt::Key_Execute, 43},
        {Qt::Key_Print, 44},
        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
        {Qt::Key_Help, 47},
        {Qt::Key_Meta, 91},
        {Qt::Key_Super_L, 91},
        {Qt::Key_Super_R, 92},
        {Qt::Key_Menu, 93},
        {Qt::Key_Sleep, 95},
        {Qt::Key_NumLock, 144},
        {Qt::Key_ScrollLock, 145},
        {Qt::Key_Henkan, 28},
        {Qt::Key_Muhenkan, 29},
        {Qt::Key_Zenkaku_Hankaku, 243},
        {Qt::Key_Hiragana_Katakana, 242},
        // Punctuation, plain and shifted, on the keys of a US layout.
        {Qt::Key_Semicolon, 186},
        {Qt::Key_Colon, 186},
        {Qt::Key_Equal, 187},
        {Qt::Key_Plus, 187},
        {Qt::Key_Comma, 188},
        {Qt::Key_Less, 188},
        {Qt::Key_Minus, 189},
        {Qt::Key_Underscore, 189},
        {Qt::Key_Period, 190},
        {Qt::Key_Greater, 190},
        {Qt::Key_Slash, 191},
        {Qt::Key_Question, 191},
        {Qt::Key_QuoteLeft, 192},
        {Qt::Key_AsciiTilde, 192},
        {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219},
        {Qt::Key_Backslash, 220},
        {Qt::Key_Bar, 220},
        {Qt::Key_BracketRight, 221},
        {Qt::Key_BraceRight, 221},
        {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
        // Shifted digits are the digit keys.
        {Qt::Key_Exclam, '1'},
        {Qt::Key_At, '2'},
        {Qt::Key_NumberSign, '3'},
        {Qt::Key_Dollar, '4'},
        {Qt::Key_Percent, '5'},
        {Qt::Key_AsciiCircum, '6'},
        {Qt::Key_Ampersand, '7'},
        {Qt::Key_Asterisk, '8'},
        {Qt::Key_ParenLeft, '9'},
        {Qt::Key_ParenRight, '0'},
    };
    return codes;
}

// The code of the character a key typed, as the same character's key on a US keyboard has it.
int CharacterKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (const int code = KeypadCode(key)) {
            return code;
        }
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key;  // the same codes as their capital letters and digits
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 0x70 + (key - Qt::Key_F1);
    }
    const auto it = NamedKeys().find(key);
    return it == NamedKeys().end() ? 0 : it->second;
}

// The X server's keyboard map, asked on each press so that a layout switched while the program
// runs counts at once. The core map lists two symbols per group for the first two groups; the
// press's own state names the group in use.
KeyboardLayout AskXServerForLayout(const QKeyEvent& event) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return KeyboardLayout::Other;
    }
    xcb_connection_t* connection = x11->connection();
    const auto cookie = xcb_get_keyboard_mapping(connection, kLayoutProbeKeycode, 1);
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> reply(
        xcb_get_keyboard_mapping_reply(connection, cookie, nullptr), &std::free);
    if (!reply) {
        return KeyboardLayout::Other;
    }
    const int group = static_cast<int>((event.nativeModifiers() >> 13) & 3U);
    const int index = group == 1 ? 2 : 0;
    if (index >= reply->keysyms_per_keycode) {
        return KeyboardLayout::Other;
    }
    return LayoutOfProbeKeySymbol(xcb_get_keyboard_mapping_keysyms(reply.get())[index]);
}

}  // namespace

int VirtualKeyCode(const QKeyEvent& event, KeyboardLayout layout) {
    if (const int code = PlaceKeyCode(static_cast<int>(event.nativeScanCode()), layout)) {
        return code;
    }
    return CharacterKeyCode(event);
}

int VirtualKeyCode(const QKeyEvent& event) {
    const int keycode = static_cast<int>(event.nativeScanCode());
    if (!HasPlaceCode(keycode)) {
        return CharacterKeyCode(event);
    }
    // Only the X server says which layout a keycode stands in; elsewhere the character decides.
    return VirtualKeyCode(event, AskXServerForLayout(event));
}
