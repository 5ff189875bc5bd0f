// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/NativePath.h"

#include <sys/stat.h>

#include <optional>

#include "text/SJisCodec.h"
#include "text/WideText.h"

namespace {

bool IsAscii(std::wstring_view text) {
    for (wchar_t c : text) {
        if (static_cast<unsigned>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool Exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

}  // namespace

std::wstring DecodeFileName(std::string_view bytes) {
    if (wtext::IsValidUtf8(bytes)) {
        return wtext::Utf8ToWide(bytes);
    }
    if (std::optional<std::wstring> sjis = ToWideStrict(bytes)) {
        return *std::move(sjis);
    }
    return wtext::Utf8ToWide(bytes);
}

std::string NativePath(std::wstring_view path) {
    std::string utf8 = wtext::WideToUtf8(path);
    // ASCII names are the same bytes in both encodings.
    if (IsAscii(path) || Exists(utf8)) {
        return utf8;
    }
    std::string native;
    bool found = true;
    for (std::size_t pos = 0; pos <= path.size();) {
        std::size_t end = path.find(L'/', pos);
        if (end == std::wstring_view::npos) {
            end = path.size();
        }
        const std::wstring_view component = path.substr(pos, end - pos);
        std::string bytes = wtext::WideToUtf8(component);
        if (found && !IsAscii(component) && !Exists(native + bytes)) {
            const std::optional<std::string> sjis = ToSJisStrict(component);
            found = sjis && Exists(native + *sjis);
            if (found) {
                bytes = *sjis;
            }
        }
        native += bytes;
        if (end < path.size()) {
            native += '/';
        }
        pos = end + 1;
    }
    return native;
}
