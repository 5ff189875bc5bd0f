// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The largest data file read whole: a timetable of a few megabytes is already a large one.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{16} << 20;

enum class FileRead {
    Ok,
    Missing,    // nothing there (a link to nothing included)
    Refused,    // not to be read: not a regular file (a folder, a FIFO, a device), too large or
                // not readable
    ReadError,  // `bytes` holds what was read before the error
};

// A file that is there but was not read whole: writing over it would lose what it holds.
constexpr bool LeftUnread(FileRead read) {
    return read == FileRead::Refused || read == FileRead::ReadError;
}

// Reads the regular file at `path` whole, up to kMaxDataFileBytes. Whatever else is found
// there is refused at once: a FIFO would block the program and /dev/zero never ends.
FileRead ReadRegularFile(std::wstring_view path, std::string& bytes);
