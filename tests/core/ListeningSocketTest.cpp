// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ListeningSocket.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "TestFiles.h"
#include "files/LocalConnection.h"

namespace {

namespace fs = std::filesystem;

// A socket file as a process killed while listening leaves it: bound, never removed.
void LeaveSocketFile(const fs::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    close(fd);
}

LocalConnection::State Reach(const fs::path& socket) {
    return LocalConnection(socket, 1).state();
}

// One holder at a time: a second one is told the first holds it and never takes it over; a
// file left by a holder that died is taken over at once; a holder removes only its own file.
TEST(ListeningSocketTest, OneHolderAtATime) {
    TempDir dir;
    const fs::path path = dir.path() / "s.sock";
    const fs::path lock = dir.path() / "s.lock";

    LeaveSocketFile(path);
    EXPECT_EQ(Reach(path), LocalConnection::State::NoListener);
    auto first = std::make_unique<ListeningSocket>(path, lock);
    ASSERT_EQ(first->state(), ListeningSocket::State::Listening) << first->problem();
    EXPECT_EQ(Reach(path), LocalConnection::State::Connected);
    const int accepted = first->Accept();
    EXPECT_GE(accepted, 0);
    close(accepted);
    EXPECT_EQ(first->Accept(), -1);  // nobody else waits

    const ListeningSocket second(path, lock);
    EXPECT_EQ(second.state(), ListeningSocket::State::HeldElsewhere);
    EXPECT_EQ(Reach(path), LocalConnection::State::Connected);

    first.reset();
    EXPECT_FALSE(fs::exists(path));

    // Someone put another socket where the holder's was; the holder leaves it alone.
    first = std::make_unique<ListeningSocket>(path, lock);
    ASSERT_EQ(first->state(), ListeningSocket::State::Listening);
    fs::remove(path);
    LeaveSocketFile(path);
    first.reset();
    EXPECT_TRUE(fs::exists(path));
}

}  // namespace
