// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Whether the process at the other end of the connected local socket `fd` runs as this user.
bool PeerIsThisUser(int fd);

// A connection to the local socket at a path, kept only when a process of this user listens
// there; closed when it goes out of scope. Sending never raises SIGPIPE and receiving gives up
// after the timeout, so a listener that hangs or goes away cannot hang or end the caller.
class LocalConnection {
public:
    enum class State { Connected, NoListener, OtherUser, Failed };

    LocalConnection(const std::filesystem::path& socket, int timeoutSeconds);
    ~LocalConnection();
    LocalConnection(const LocalConnection&) = delete;
    LocalConnection& operator=(const LocalConnection&) = delete;

    State state() const { return state_; }
    bool Send(std::string_view line) const;
    // Everything up to the first line end or the end of the stream; what came before a timeout.
    std::string ReceiveLine() const;

private:
    int fd_ = -1;
    State state_ = State::Failed;
};
