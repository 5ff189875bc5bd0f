// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/SJisLines.h"
#include "settings/ColorTable.h"

namespace {

ColorTable ReadBytes(std::string_view bytes) {
    SJisLines lines(bytes);
    ColorTable table;
    table.Read(lines);
    return table;
}

}  // namespace

// Once written, a colour list must read back to the same file. The first writing can still
// change the list (a name Shift-JIS cannot hold gets "?", which sorts elsewhere), so the check
// starts from the second.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ColorTable table = ReadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& [name, color] : table.Entries()) {
        if (name.empty() || name.size() > 129 || color > 0xFFFFFFu) {
            __builtin_trap();
        }
    }
    const std::string second = ReadBytes(table.FileBytes()).FileBytes();
    if (ReadBytes(second).FileBytes() != second) {
        __builtin_trap();
    }
    return 0;
}
