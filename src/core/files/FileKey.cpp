// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileKey.h"

#include <cstdint>
#include <system_error>

namespace fs = std::filesystem;

std::string FullPathOf(const fs::path& file) {
    std::error_code error;
    const fs::path absolute = fs::absolute(file, error).lexically_normal();
    const fs::path full = fs::weakly_canonical(absolute, error);
    return error ? absolute.string() : full.string();
}

std::string Digest(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) {
        hex[static_cast<std::size_t>(i)] = kDigits[hash & 0xF];
    }
    return hex;
}
