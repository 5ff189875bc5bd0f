// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "text/SJisCodec.h"
#include "text/WideText.h"

// A fresh folder under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("kovaris-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as wide text, ending in "/" like the data root.
    std::wstring Root() const { return wtext::Utf8ToWide(path_.string()) + L"/"; }
    std::wstring File(std::wstring_view name) const { return Root() + std::wstring(name); }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::wstring& path, std::string_view bytes) {
    const std::filesystem::path p(wtext::WideToUtf8(path));
    if (p.has_parent_path()) {
        std::filesystem::create_directories(p.parent_path());
    }
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Writes wide text as Shift-JIS bytes, as a user's editor would; "\n" in `text` becomes CR LF.
inline void WriteSJisFile(const std::wstring& path, std::wstring_view text) {
    std::wstring crlf;
    for (wchar_t c : text) {
        if (c == L'\n') {
            crlf += L"\r\n";
        } else {
            crlf.push_back(c);
        }
    }
    WriteBytes(path, ToSJis(crlf));
}

inline std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(wtext::WideToUtf8(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
