// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ColorChoice.h"

#include <string>

int InitialColorChoice(std::wstring_view name2, ColorRef color2) {
    return !name2.empty() && color2 != 0 ? 1 : 0;
}

namespace {

void SetOrRemove(ColorTable& table, std::wstring_view name, ColorRef color, bool remove) {
    if (remove || color == 0) {
        table.Remove(std::wstring(name));
    } else {
        table.Set(std::wstring(name), color);
    }
}

}  // namespace

bool ApplyColorDialogResult(ColorTable& table, std::wstring_view name1, std::wstring_view name2,
                            const ColorDialogResult& result) {
    const bool second = result.choice == 1;
    const std::wstring_view chosen = second ? name2 : name1;
    const std::wstring_view other = second ? name1 : name2;
    const ColorRef otherColor = second ? result.color1 : result.color2;
    // The dialog showed each mark in its entry's colour, black without one.
    const bool otherChanged = !other.empty() && otherColor != table.Find(other).value_or(0);
    if (otherChanged) {
        SetOrRemove(table, other, otherColor, false);
    }
    // Last, so that it wins should both marks have one name.
    if (!chosen.empty()) {
        SetOrRemove(table, chosen, second ? result.color2 : result.color1, result.deleteRequest);
    }
    return otherChanged || !chosen.empty();
}
