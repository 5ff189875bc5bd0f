// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/KeyboardLayout.h"

#include <array>

namespace {

struct PlaceCodes {
    int keycode;
    int us;
    int jis;
};

// X keycodes of the evdev keymap, with the codes each Windows layout gives the key there.
// clang-format off
constexpr std::array<PlaceCodes, 22> kPlaces = {{
    {10, '1', '1'}, {11, '2', '2'}, {12, '3', '3'}, {13, '4', '4'}, {14, '5', '5'},
    {15, '6', '6'}, {16, '7', '7'}, {17, '8', '8'}, {18, '9', '9'}, {19, '0', '0'},
    {20, 0xBD, 0xBD},  // US - _   JIS - =
    {21, 0xBB, 0xDE},  // US = +   JIS ^ ~
    {34, 0xDB, 0xC0},  // US [ {   JIS @ `
    {35, 0xDD, 0xDB},  // US ] }   JIS [ {
    {47, 0xBA, 0xBB},  // US ; :   JIS ; +
    {48, 0xDE, 0xBA},  // US ' "   JIS : *
    {51, 0xDC, 0xDD},  // US \ |   JIS ] }
    {59, 0xBC, 0xBC},  // , <
    {60, 0xBE, 0xBE},  // . >
    {61, 0xBF, 0xBF},  // / ?
    {97, 0, 0xE2},     // JIS \ _ (ro)
    {132, 0, 0xDC},    // JIS ¥ |
}};
// clang-format on

const PlaceCodes* FindPlace(int keycode) {
    for (const PlaceCodes& place : kPlaces) {
        if (place.keycode == keycode) {
            return &place;
        }
    }
    return nullptr;
}

}  // namespace

KeyboardLayout LayoutOfProbeKeySymbol(std::uint32_t keysym) {
    switch (keysym) {
        case '=':
            return KeyboardLayout::Us;
        case '^':
            return KeyboardLayout::Jis;
        default:
            return KeyboardLayout::Other;
    }
}

bool HasPlaceCode(int keycode) {
    return FindPlace(keycode) != nullptr;
}

int PlaceKeyCode(int keycode, KeyboardLayout layout) {
    const PlaceCodes* place = FindPlace(keycode);
    if (place == nullptr) {
        return 0;
    }
    switch (layout) {
        case KeyboardLayout::Us:
            return place->us;
        case KeyboardLayout::Jis:
            return place->jis;
        case KeyboardLayout::Other:
            break;
    }
    return 0;
}
