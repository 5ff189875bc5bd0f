// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "settings/ColorTable.h"

// What the colour dialog hands back for a departure's first two marks.
struct ColorDialogResult {
    int choice = 0;  // 1 for the second mark, anything else for the first
    bool deleteRequest = false;
    ColorRef color1 = 0;
    ColorRef color2 = 0;
};

// The mark the dialog offers first: the second when it has a name and a colour of its own.
int InitialColorChoice(std::wstring_view name2, ColorRef color2);

// Gives the chosen mark its new colour, or removes its entry when asked to or when the colour is
// black, which is how the list reads a mark without colour. A colour the user changed for the
// other mark (one that differs from its entry) is kept the same way. False when nothing was
// given to a named mark: then there is nothing to save.
bool ApplyColorDialogResult(ColorTable& table, std::wstring_view name1, std::wstring_view name2,
                            const ColorDialogResult& result);
