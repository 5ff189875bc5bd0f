// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Shift-JIS bytes handed out line by line as wide text. Lines are split on bytes before decoding
// (CP932 trail bytes are never CR, LF or 0xFF): CR LF, LF CR, a lone CR and a lone LF each end
// one line, 0xFF ends a line and is dropped, a NUL cuts the converted line. A line end at the
// very end gives no extra empty line. The bytes must outlive the object.
class SJisLines {
public:
    explicit SJisLines(std::string_view bytes) : bytes_(bytes) {}

    // The next line, converted and without its line end. At the end returns false and leaves
    // `out` exactly as it was: callers keep the last line in their buffer.
    bool ReadString(std::wstring& out);

private:
    std::size_t LineEnd();

    std::string_view bytes_;
    std::size_t pos_ = 0;
    // Unsearched yet: below any position.
    static constexpr std::size_t kUnknown = std::string_view::npos;
    std::size_t nextEnd_[3] = {kUnknown, kUnknown, kUnknown};
};
