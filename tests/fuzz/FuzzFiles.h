#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "text/WideText.h"

// One scratch folder per fuzzing process; each input is written there as a file.
inline const std::filesystem::path& FuzzDir() {
    static const std::filesystem::path dir = [] {
        std::filesystem::path p =
            std::filesystem::temp_directory_path() / ("kovaris-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return dir;
}

inline std::wstring FuzzRoot() {
    return wtext::Utf8ToWide(FuzzDir().string()) + L"/";
}

inline std::wstring WriteFuzzFile(const char* name, const uint8_t* data, size_t size) {
    const std::filesystem::path path = FuzzDir() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return wtext::Utf8ToWide(path.string());
}

inline std::string ReadFuzzFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(wtext::WideToUtf8(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
