#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFiles.h"
#include "settings/ColorTable.h"

namespace {

void SaveOrTrap(const ColorTable& table, const std::wstring& path) {
    if (!table.Save(path)) {
        __builtin_trap();
    }
}

}  // namespace

// Once written, a colour list must read back to the same file. The first save can still change
// the list (characters Shift-JIS cannot hold become "?", which sorts elsewhere), so the check
// starts from the second.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring path = WriteFuzzFile("color.ini", data, size);
    ColorTable table;
    table.Load(path);
    for (const auto& [name, colour] : table.Entries()) {
        if (name.empty() || name.size() > 129 || colour > 0xFFFFFFu) {
            __builtin_trap();
        }
    }
    const std::wstring first = FuzzRoot() + L"saved1.ini";
    const std::wstring second = FuzzRoot() + L"saved2.ini";
    SaveOrTrap(table, path);
    ColorTable reloaded;
    reloaded.Load(path);
    SaveOrTrap(reloaded, first);
    reloaded.Load(first);
    SaveOrTrap(reloaded, second);
    if (ReadFuzzFile(first) != ReadFuzzFile(second)) {
        __builtin_trap();
    }
    return 0;
}
