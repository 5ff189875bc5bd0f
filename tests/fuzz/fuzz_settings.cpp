#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFiles.h"
#include "settings/AppSettings.h"

// Whatever a settings file holds, what is saved from it must read back to the same file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring path = WriteFuzzFile("Kovaris.ini", data, size);
    AppSettings settings;
    settings.filePath = path;
    settings.Load(nullptr);
    if (!settings.dataPath.empty() && settings.dataPath.back() != L'/' &&
        settings.dataPath.back() != L'\\') {
        __builtin_trap();
    }
    settings.filePath = FuzzRoot() + L"saved1.ini";
    if (!settings.Save()) {
        __builtin_trap();
    }
    AppSettings reloaded;
    reloaded.filePath = settings.filePath;
    reloaded.Load(nullptr);
    reloaded.filePath = FuzzRoot() + L"saved2.ini";
    if (!reloaded.Save() || ReadFuzzFile(settings.filePath) != ReadFuzzFile(reloaded.filePath)) {
        __builtin_trap();
    }
    return 0;
}
