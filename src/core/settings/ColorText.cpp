// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ColorText.h"

namespace {

int HexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

unsigned Red(ColorRef color) {
    return color & 0xFF;
}
unsigned Green(ColorRef color) {
    return (color >> 8) & 0xFF;
}
unsigned Blue(ColorRef color) {
    return (color >> 16) & 0xFF;
}

}  // namespace

std::wstring ColorHexText(ColorRef color) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    for (unsigned component : {Red(color), Green(color), Blue(color)}) {
        text.push_back(kDigits[component >> 4]);
        text.push_back(kDigits[component & 0xF]);
    }
    return text;
}

std::optional<ColorRef> ParseColorHex(std::wstring_view text) {
    if (text.size() != 6) {
        return std::nullopt;
    }
    ColorRef rgb = 0;
    for (wchar_t c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        rgb = (rgb << 4) | static_cast<ColorRef>(digit);
    }
    // The text reads red first; the colour keeps red in its low byte.
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

bool UsesWhiteText(ColorRef color) {
    return (2 * Red(color) + 4 * Green(color) + Blue(color)) / 7 < 64;
}
