// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SaveSteps.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace {

// A stream over an open descriptor, or nullptr (and the descriptor closed) when there is none.
std::FILE* StreamOf(int fd) {
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        ::close(fd);
    }
    return file;
}

}  // namespace

std::FILE* SaveSteps::Create(const std::string& path) {
    // 0666 lets the umask decide, as for any new file of the user's.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    return StreamOf(fd);
}

std::FILE* SaveSteps::OpenExisting(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    return StreamOf(fd);
}

bool SaveSteps::Write(std::FILE* file, std::string_view bytes) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool SaveSteps::Flush(std::FILE* file) {
    return std::fflush(file) == 0;
}

bool SaveSteps::Truncate(std::FILE* file, std::size_t length) {
    return ::ftruncate(::fileno(file), static_cast<off_t>(length)) == 0;
}

bool SaveSteps::Sync(std::FILE* file) {
    return ::fsync(::fileno(file)) == 0;
}

bool SaveSteps::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
