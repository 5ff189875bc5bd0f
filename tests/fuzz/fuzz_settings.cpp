// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/SJisLines.h"
#include "settings/AppSettings.h"

namespace {

AppSettings ReadBytes(std::string_view bytes) {
    SJisLines lines(bytes);
    AppSettings settings;
    settings.Read(lines);
    return settings;
}

}  // namespace

// Whatever a settings file holds, what is written from it must read back to the same file, or
// the writing must refuse, naming a key, because a value holds what Shift-JIS cannot (a
// malformed byte read as U+FFFD).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const AppSettings settings =
        ReadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!settings.dataPath.empty() && settings.dataPath.back() != L'/') {
        __builtin_trap();
    }
    std::wstring failedKey;
    const std::optional<std::string> first = settings.FileBytes(&failedKey);
    if (!first) {
        if (failedKey.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    if (ReadBytes(*first).FileBytes() != first) {
        __builtin_trap();
    }
    return 0;
}
