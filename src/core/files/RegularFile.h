#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The largest data file read whole: a timetable of a few megabytes is already a large one.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{16} << 20;

enum class FileRead {
    Ok,
    Refused,    // missing, not a regular file (a folder, a FIFO, a device) or too large
    ReadError,  // `bytes` holds what was read before the error
};

// Reads the regular file at `path` whole, up to kMaxDataFileBytes. Whatever else is found
// there is refused at once: a FIFO would block the program and /dev/zero never ends.
FileRead ReadRegularFile(std::wstring_view path, std::string& bytes);
