// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/Utf8Scan.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// True when all eight bytes lie in 0x01..0x7F: none has its high bit set, and subtracting one
// from each borrows nowhere, so none is NUL.
bool PlainAscii(const char* bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return ((word | (word - kOnes)) & kHighBits) == 0;
}

}  // namespace

std::size_t Utf8Scan::FirstFault(std::string_view piece) {
    const char* bytes = piece.data();
    const std::size_t size = piece.size();
    std::size_t i = 0;
    while (i < size) {
        // Most of a feed is ASCII: skip it a word at a time between characters.
        if (continuations_ == 0) {
            while (i + 8 <= size && PlainAscii(bytes + i)) {
                i += 8;
            }
            if (i == size) {
                break;
            }
        }
        if (!Take(static_cast<unsigned char>(bytes[i]))) {
            return i;
        }
        ++i;
    }
    return size;
}

bool Utf8Scan::Take(unsigned char byte) {
    if (continuations_ > 0) {
        if (byte < low_ || byte > high_) {
            return false;
        }
        --continuations_;
        low_ = 0x80;
        high_ = 0xBF;
        return true;
    }
    if (byte >= 0x01 && byte <= 0x7F) {
        return true;
    }
    // The first continuation's range narrows after the lead bytes that would otherwise start an
    // overlong form, a surrogate or a value beyond U+10FFFF.
    if (byte >= 0xC2 && byte <= 0xDF) {
        continuations_ = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        continuations_ = 2;
        low_ = byte == 0xE0 ? 0xA0 : 0x80;
        high_ = byte == 0xED ? 0x9F : 0xBF;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        continuations_ = 3;
        low_ = byte == 0xF0 ? 0x90 : 0x80;
        high_ = byte == 0xF4 ? 0x8F : 0xBF;
    } else {
        return false;
    }
    return true;
}
