// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/ColorTable.h"

// How a colour edit shows and reads a colour: six upper-case hex digits, red first ("FF8000").
std::wstring ColorHexText(ColorRef color);
// Exactly six hex digits of either case give a colour; any other text gives none.
std::optional<ColorRef> ParseColorHex(std::wstring_view text);
// Whether text on this colour is drawn white: its weighted brightness is below a quarter.
bool UsesWhiteText(ColorRef color);
