// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/NativePath.h"

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

FileRead ReadRegularFile(std::wstring_view path, std::string& bytes) {
    bytes.clear();
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the type is only known once open.
    const FileDescriptor file(::open(NativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        return FileRead::Missing;
    }
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<unsigned long long>(status.st_size) > kMaxDataFileBytes) {
        return FileRead::Refused;
    }
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            // The file may have grown since fstat; read on, one byte past the bound at most.
            if (bytes.size() > kMaxDataFileBytes) {
                bytes.clear();
                return FileRead::Refused;
            }
            bytes.resize(std::min(bytes.size() + 65536, kMaxDataFileBytes + 1));
        }
        const ssize_t n = ::read(file.get(), bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            bytes.resize(used);
            return n == 0 ? FileRead::Ok : FileRead::ReadError;
        }
        used += static_cast<std::size_t>(n);
    }
}
