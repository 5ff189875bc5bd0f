// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/SJisCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace {

// One iconv descriptor per direction and thread, opened on first use and kept: opening one costs
// far more than converting a line.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert between CP932 and WCHAR_T");
        }
    }
    ~IconvHandle() { iconv_close(cd_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    iconv_t Reset() {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return cd_;
    }

private:
    iconv_t cd_;
};

IconvHandle& ToWideHandle() {
    thread_local IconvHandle handle("WCHAR_T", "CP932");
    return handle;
}

IconvHandle& ToSJisHandle() {
    thread_local IconvHandle handle("CP932", "WCHAR_T");
    return handle;
}

// Converts `inSize` bytes at `in` into `out`, which has room for every replacement, and returns
// the bytes written. A unit of `inStep` bytes that cannot be converted becomes `replacement`
// and the conversion goes on after it; with no replacement the conversion fails instead.
std::optional<std::size_t> Convert(IconvHandle& handle, const void* in, std::size_t inSize,
                                   char* out, std::size_t outSize, std::size_t inStep,
                                   std::string_view replacement) {
    char* inPtr = static_cast<char*>(const_cast<void*>(in));
    std::size_t inLeft = inSize;
    char* outPtr = out;
    std::size_t outLeft = outSize;
    iconv_t cd = handle.Reset();
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        if (replacement.empty()) {
            return std::nullopt;
        }
        outPtr = std::copy(replacement.begin(), replacement.end(), outPtr);
        outLeft -= replacement.size();
        inPtr += inStep;
        inLeft -= inStep;
        cd = handle.Reset();
    }
    return outSize - outLeft;
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool IsAsciiText(std::wstring_view text) {
    bool ascii = true;
    for (wchar_t c : text) {
        ascii = ascii && static_cast<unsigned>(c) < 0x80;
    }
    return ascii;
}

// A malformed or truncated sequence gives one replacement character for its first byte; the
// next byte may well be a valid character of its own.
std::string_view WideReplacement() {
    static constexpr wchar_t kReplacementCharacter = L'\xFFFD';
    return {reinterpret_cast<const char*>(&kReplacementCharacter), sizeof(wchar_t)};
}

// Into `out`, sized for one wide character per byte; false when strict and a sequence fails.
bool DecodeInto(std::wstring& out, std::string_view bytes, std::string_view replacement) {
    out.resize(bytes.size());
    if (IsAscii(bytes)) {
        std::copy(bytes.begin(), bytes.end(), out.begin());
        return true;
    }
    const std::optional<std::size_t> written =
        Convert(ToWideHandle(), bytes.data(), bytes.size(), reinterpret_cast<char*>(out.data()),
                out.size() * sizeof(wchar_t), 1, replacement);
    out.resize(written.value_or(0) / sizeof(wchar_t));
    return written.has_value();
}

// CP932 needs at most two bytes for a character.
std::optional<std::string> Encode(std::wstring_view text, std::string_view replacement) {
    if (IsAsciiText(text)) {
        return std::string(text.begin(), text.end());
    }
    std::string out(text.size() * 2, '\0');
    const std::optional<std::size_t> written =
        Convert(ToSJisHandle(), text.data(), text.size() * sizeof(wchar_t), out.data(), out.size(),
                sizeof(wchar_t), replacement);
    if (!written) {
        return std::nullopt;
    }
    out.resize(*written);
    return out;
}

}  // namespace

std::wstring ToWide(std::string_view bytes) {
    std::wstring out;
    ToWide(out, bytes);
    return out;
}

// Decodes into the caller's buffer, so reading a file line by line reuses one allocation.
void ToWide(std::wstring& out, std::string_view bytes) {
    DecodeInto(out, bytes.substr(0, bytes.find('\0')), WideReplacement());
}

std::string ToSJis(std::wstring_view text) {
    return *Encode(text, "?");
}

std::optional<std::wstring> ToWideStrict(std::string_view bytes) {
    std::wstring out;
    if (!DecodeInto(out, bytes, {})) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> ToSJisStrict(std::wstring_view text) {
    return Encode(text, {});
}
