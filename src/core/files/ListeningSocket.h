// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

// The listening end of a local socket that one process at a time may hold. A lock on a file
// beside the socket says who holds it: a socket file that a process ended by a crash left
// behind is taken over at once, a live one never is, and the socket file is removed at the end
// only while it is still the one made here.
class ListeningSocket {
public:
    enum class State { Listening, HeldElsewhere, Failed };

    ListeningSocket(std::filesystem::path socket, const std::filesystem::path& lock);
    ~ListeningSocket();
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

    State state() const { return state_; }
    const std::string& problem() const { return problem_; }  // why it failed
    int fd() const { return fd_; }                           // -1 unless listening

    // The next waiting connection of a process of this user, non-blocking; -1 when none waits.
    // Connections of other users are closed unanswered.
    int Accept() const;

private:
    bool Fail(const std::string& what);
    bool Bind();

    std::filesystem::path socket_;
    int lockFd_ = -1;
    int fd_ = -1;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    State state_ = State::Failed;
    std::string problem_;
};
