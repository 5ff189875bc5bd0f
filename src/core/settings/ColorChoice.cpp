#include "settings/ColorChoice.h"

#include <string>

int InitialColorChoice(std::wstring_view name2, ColorRef colour2) {
    return !name2.empty() && colour2 != 0 ? 1 : 0;
}

bool ApplyColorDialogResult(ColorTable& table, std::wstring_view name1, std::wstring_view name2,
                            const ColorDialogResult& result) {
    const bool second = result.choice == 1;
    const std::wstring name(second ? name2 : name1);
    const ColorRef colour = second ? result.colour2 : result.colour1;
    if (name.empty()) {
        return false;
    }
    if (result.deleteRequest || colour == 0) {
        table.Remove(name);
    } else {
        table.Set(name, colour);
    }
    return true;
}
