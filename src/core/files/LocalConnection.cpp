// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/LocalConnection.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof(peer) &&
           peer.uid == getuid();
}

LocalConnection::LocalConnection(const std::filesystem::path& socket, int timeoutSeconds) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& path = socket.native();
    if (path.size() >= sizeof(address.sun_path)) {
        return;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        return;
    }
    if (connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        state_ = (errno == ENOENT || errno == ECONNREFUSED) ? State::NoListener : State::Failed;
    } else if (!PeerIsThisUser(fd_)) {
        state_ = State::OtherUser;
    } else {
        state_ = State::Connected;
        const timeval timeout{timeoutSeconds, 0};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
        setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
    }
}

LocalConnection::~LocalConnection() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool LocalConnection::Send(std::string_view line) const {
    return state_ == State::Connected &&
           send(fd_, line.data(), line.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(line.size());
}

std::string LocalConnection::ReceiveLine() const {
    constexpr std::size_t kLineLimit = 4096;
    std::string line;
    char c = 0;
    while (state_ == State::Connected && line.size() < kLineLimit && read(fd_, &c, 1) == 1) {
        line.push_back(c);
        if (c == '\n') {
            break;
        }
    }
    return line;
}
