// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/EncodingCheck.h"

#include <cstddef>

#include "text/SJisCodec.h"

namespace {

struct Utf8Shape {
    bool wellFormed = true;
    bool longSequence = false;  // three or four bytes: beyond the Latin and Greek letters
};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte opens, 0 for a byte that opens none. Overlong forms,
// surrogates and code points past U+10FFFF are refused by the ranges of the second byte.
std::size_t SequenceLength(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const auto next = at + 1 < bytes.size() ? static_cast<unsigned char>(bytes[at + 1]) : 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return next >= low && next <= high ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return next >= low && next <= high ? 4 : 0;
    }
    return 0;
}

Utf8Shape ExamineUtf8(std::string_view bytes) {
    Utf8Shape shape;
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = SequenceLength(bytes, at);
        if (length == 0 || at + length > bytes.size()) {
            return {false, false};
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (!IsContinuation(static_cast<unsigned char>(bytes[at + k]))) {
                return {false, false};
            }
        }
        shape.longSequence = shape.longSequence || length >= 3;
        at += length;
    }
    return shape;
}

}  // namespace

bool LooksLikeUtf8(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return true;
    }
    const Utf8Shape shape = ExamineUtf8(bytes);
    if (!shape.wellFormed) {
        return false;
    }
    // ASCII is CP932, so a string that is not holds a multibyte sequence.
    return shape.longSequence || !ToWideStrict(bytes).has_value();
}

std::wstring Utf8ToSJisCommand(std::wstring_view path) {
    std::wstring quoted = L"'";
    for (wchar_t c : path) {
        quoted += c == L'\'' ? std::wstring(L"'\\''") : std::wstring(1, c);
    }
    quoted += L'\'';
    const std::wstring converted = quoted.substr(0, quoted.size() - 1) + L".sjis'";
    return L"iconv -f UTF-8 -t CP932 " + quoted + L" > " + converted + L" && mv " + converted +
           L" " + quoted;
}
