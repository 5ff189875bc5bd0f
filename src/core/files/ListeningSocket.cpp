// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ListeningSocket.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/LocalConnection.h"

ListeningSocket::ListeningSocket(std::filesystem::path socket, const std::filesystem::path& lock)
    : socket_(std::move(socket)) {
    lockFd_ = open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) {
        Fail(lock.string());
        return;
    }
    if (flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            state_ = State::HeldElsewhere;
        } else {
            Fail(lock.string());
        }
        return;
    }
    if (Bind()) {
        state_ = State::Listening;
    }
}

ListeningSocket::~ListeningSocket() {
    if (fd_ >= 0) {
        // Someone may have put a socket of their own in its place; that one stays.
        struct stat status {};
        if (lstat(socket_.c_str(), &status) == 0 && status.st_dev == device_ &&
            status.st_ino == inode_) {
            unlink(socket_.c_str());
        }
        close(fd_);
    }
    // Released last, so that nobody takes over before the socket file is gone.
    if (lockFd_ >= 0) {
        close(lockFd_);
    }
}

bool ListeningSocket::Fail(const std::string& what) {
    problem_ = what + ": " + std::strerror(errno);
    return false;
}

bool ListeningSocket::Bind() {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& path = socket_.native();
    if (path.size() >= sizeof(address.sun_path)) {
        problem_ = path + ": the path is too long for a socket";
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    // Whoever held the lock before has ended, so a socket file here is a leftover.
    if (unlink(socket_.c_str()) != 0 && errno != ENOENT) {
        return Fail(path);
    }
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0) {
        return Fail(path);
    }
    if (bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        Fail(path);
        close(fd_);
        fd_ = -1;
        return false;
    }
    struct stat status {};
    if (chmod(socket_.c_str(), 0600) != 0 || listen(fd_, SOMAXCONN) != 0 ||
        lstat(socket_.c_str(), &status) != 0) {
        Fail(path);
        unlink(socket_.c_str());
        close(fd_);
        fd_ = -1;
        return false;
    }
    device_ = status.st_dev;
    inode_ = status.st_ino;
    return true;
}

int ListeningSocket::Accept() const {
    constexpr int kRefusedPerCall = 16;
    for (int refused = 0; fd_ >= 0 && refused < kRefusedPerCall; ++refused) {
        const int connection = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0) {
            return -1;
        }
        if (PeerIsThisUser(connection)) {
            return connection;
        }
        close(connection);
    }
    return -1;
}
