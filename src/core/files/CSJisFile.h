// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "files/SJisLines.h"

// A Shift-JIS text file handed out line by line as wide text (see SJisLines for how lines end).
// Reading takes the whole file at Open (a regular file of bounded size only, see
// ReadRegularFile), so the file is open only during that call; writing keeps it open while the
// object lives.
class CSJisFile {
public:
    enum class Mode { Read, Write };

    CSJisFile() = default;
    ~CSJisFile();
    CSJisFile(const CSJisFile&) = delete;
    CSJisFile& operator=(const CSJisFile&) = delete;

    // Write truncates.
    bool Open(std::wstring_view path, Mode mode);
    bool IsOpen() const { return file_ != nullptr || lines_.has_value(); }
    // False when closing reports an error (buffered bytes that could not be written).
    bool Close();

    // The next line, converted and without its line end. At end of file returns false and
    // leaves `out` exactly as it was: callers keep the last line in their buffer.
    bool ReadString(std::wstring& out);
    // The lines still to read, for a reader that takes its lines from memory as well.
    SJisLines& Lines() { return *lines_; }

    // Raw bytes; Write reports a failed or short write as false.
    bool Write(std::string_view bytes);
    // True while no read error has occurred (end of file is not an error).
    bool Good() const { return !readError_; }

private:
    std::FILE* file_ = nullptr;
    std::string bytes_;
    std::optional<SJisLines> lines_;
    bool readError_ = false;
};

// Writes `text` as CP932 bytes, without terminator or line end; false on a write error.
bool WriteSJisString(std::wstring_view text, CSJisFile& file);
