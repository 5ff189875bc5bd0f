// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/SJisLines.h"
#include "settings/AppSettings.h"

// The same bytes as both companion files: the history and the display settings.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    AppSettings settings;
    SJisLines history(bytes);
    settings.ReadHistory(history);
    SJisLines td(bytes);
    settings.ReadTdSettings(td);
    for (const HistoryEntry& entry : settings.history) {
        if (entry.name.size() > 16 || entry.path.find(L',') != std::wstring::npos) {
            __builtin_trap();
        }
    }
    if ((settings.clockFlag != 0 && settings.clockFlag != 1) ||
        (settings.clearType != 0 && settings.clearType != 1)) {
        __builtin_trap();
    }
    return 0;
}
