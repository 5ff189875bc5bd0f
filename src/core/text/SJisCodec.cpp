#include "text/SJisCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <stdexcept>

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

bool IsAscii(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::wstring ToWide(std::string_view bytes) {
    std::wstring out;
    ToWide(out, bytes);
    return out;
}

// Decodes into the caller's buffer, so reading a file line by line reuses one allocation.
void ToWide(std::wstring& out, std::string_view bytes) {
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
    }
    out.resize(bytes.size());
    if (IsAscii(bytes)) {
        std::copy(bytes.begin(), bytes.end(), out.begin());
        return;
    }
    thread_local IconvHandle handle("WCHAR_T", "CP932");
    iconv_t cd = handle.Reset();

    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * sizeof(wchar_t);
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        // A malformed or truncated sequence: one replacement character for its first byte, then
        // go on with the next byte, which may well be a valid character of its own.
        *reinterpret_cast<wchar_t*>(outPtr) = L'\xFFFD';
        outPtr += sizeof(wchar_t);
        outLeft -= sizeof(wchar_t);
        ++in;
        --inLeft;
        cd = handle.Reset();
    }
    out.resize(out.size() - outLeft / sizeof(wchar_t));
}

namespace {

bool IsAsciiText(std::wstring_view text) {
    bool ascii = true;
    for (wchar_t c : text) {
        ascii = ascii && static_cast<unsigned>(c) < 0x80;
    }
    return ascii;
}

}  // namespace

std::string ToSJis(std::wstring_view text) {
    if (IsAsciiText(text)) {
        return std::string(text.begin(), text.end());
    }
    thread_local IconvHandle handle("CP932", "WCHAR_T");
    iconv_t cd = handle.Reset();

    std::string out(text.size() * 2, '\0');
    char* in = reinterpret_cast<char*>(const_cast<wchar_t*>(text.data()));
    std::size_t inLeft = text.size() * sizeof(wchar_t);
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        *outPtr++ = '?';
        --outLeft;
        in += sizeof(wchar_t);
        inLeft -= sizeof(wchar_t);
        cd = handle.Reset();
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::optional<std::wstring> ToWideStrict(std::string_view bytes) {
    if (IsAscii(bytes)) {
        return std::wstring(bytes.begin(), bytes.end());
    }
    thread_local IconvHandle handle("WCHAR_T", "CP932");
    iconv_t cd = handle.Reset();
    std::wstring out(bytes.size(), L'\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * sizeof(wchar_t);
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft / sizeof(wchar_t));
    return out;
}

std::optional<std::string> ToSJisStrict(std::wstring_view text) {
    // Numbers and most paths: no converter needed.
    if (IsAsciiText(text)) {
        return std::string(text.begin(), text.end());
    }
    thread_local IconvHandle handle("CP932", "WCHAR_T");
    iconv_t cd = handle.Reset();
    std::string out(text.size() * 2, '\0');
    char* in = reinterpret_cast<char*>(const_cast<wchar_t*>(text.data()));
    std::size_t inLeft = text.size() * sizeof(wchar_t);
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}
