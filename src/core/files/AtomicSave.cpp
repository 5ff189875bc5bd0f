#include "files/AtomicSave.h"

#include <cstdio>
#include <string>

#include "files/CSJisFile.h"
#include "text/WideText.h"

bool SaveAtomically(std::wstring_view path, const std::function<bool(CSJisFile&)>& writer) {
    const std::wstring temporary = std::wstring(path) + L".tmp";
    const std::string temporaryName = wtext::WideToUtf8(temporary);
    CSJisFile file;
    if (!file.Open(temporary, CSJisFile::Mode::Write)) {
        return false;
    }
    const bool written = writer(file);
    if (!file.Close() || !written) {
        std::remove(temporaryName.c_str());
        return false;
    }
    if (std::rename(temporaryName.c_str(), wtext::WideToUtf8(path).c_str()) != 0) {
        std::remove(temporaryName.c_str());
        return false;
    }
    return true;
}
