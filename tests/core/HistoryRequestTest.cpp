// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/HistoryRequest.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "TestFiles.h"

namespace {

namespace fs = std::filesystem;

TEST(HistoryRequestTest, RequestsAndRepliesSurviveTheirWayOverTheSocket) {
    EXPECT_EQ(ParseHistoryRequest(HistoryRequestLine(3)), 3);
    EXPECT_TRUE(IsRaiseRequest(RaiseRequestLine()));
    for (const char* bad : {"show-history", "show-history x\n", "show-history 1 2\n",
                            "show-history 99999999999\n", "open 3\n", "raise 1\n"}) {
        EXPECT_EQ(ParseHistoryRequest(bad), std::nullopt) << bad;
        EXPECT_FALSE(IsRaiseRequest(bad)) << bad;
    }
    const HistoryReply replies[] = {
        {HistoryOutcome::Shown, "/data/若葉台.TBL"},
        {HistoryOutcome::Failed, "/data/a b.TBL"},
        {HistoryOutcome::NoEntry, ""},
        {HistoryOutcome::Busy, ""},
        {HistoryOutcome::Raised, ""},
    };
    for (const HistoryReply& reply : replies) {
        const auto back = ParseHistoryReply(HistoryReplyLine(reply));
        ASSERT_TRUE(back.has_value()) << reply.path;
        EXPECT_EQ(back->outcome, reply.outcome) << reply.path;
        EXPECT_EQ(back->path, reply.path);
    }
    EXPECT_EQ(ParseHistoryReply(""), std::nullopt);  // a window that closed without answering
}

// Without $XDG_RUNTIME_DIR the socket goes into a folder under /tmp, where another user may have
// made that name first: it is used only when it is this user's own, closed to everyone else.
TEST(HistoryRequestTest, TheFallbackFolderMustBePrivate) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> environment;
        fs::perms mode;  // of a folder made before; none made for perms::unknown
        uid_t user;
        std::string problem;  // empty when the folder is used
    };
    const uid_t me = getuid();
    const std::vector<Case> cases = {
        {"runtime folder of the session", {{"XDG_RUNTIME_DIR", "/run/user/7"}}, {}, me, ""},
        {"made when missing", {}, fs::perms::unknown, me, ""},
        {"relative runtime folder ignored",
         {{"XDG_RUNTIME_DIR", "run"}},
         fs::perms::owner_all,
         me,
         ""},
        {"open to others",
         {},
         fs::perms::owner_all | fs::perms::others_exec,
         me,
         "has mode 0701, not 0700"},
        {"another user's", {}, fs::perms::owner_all, me + 1, "belongs to another user"},
    };
    for (const Case& c : cases) {
        TempDir tmp;
        const fs::path folder = tmp.path() / ("kovariswin-" + std::to_string(c.user));
        if (c.mode != fs::perms::unknown && !c.environment.contains("XDG_RUNTIME_DIR")) {
            fs::create_directory(folder);
            fs::permissions(folder, c.mode);
        }
        const RuntimeFolder found = FindRuntimeFolder(
            [&](const char* name) {
                const auto it = c.environment.find(name);
                return it == c.environment.end() ? nullptr : it->second.c_str();
            },
            tmp.path(), c.user);
        if (c.problem.empty()) {
            EXPECT_EQ(found.problem, "") << c.name;
            const auto runtime = c.environment.find("XDG_RUNTIME_DIR");
            const bool absolute = runtime != c.environment.end() && runtime->second[0] == '/';
            EXPECT_EQ(found.path, absolute ? fs::path(runtime->second) : folder) << c.name;
            if (!absolute) {
                EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all) << c.name;
            }
        } else {
            EXPECT_EQ(found.path, fs::path()) << c.name;
            EXPECT_NE(found.problem.find(c.problem), std::string::npos) << found.problem;
            EXPECT_NE(HistoryRequestSocketIn(found, "Kovaris.ini").problem, "") << c.name;
        }
    }
    TempDir tmp;
    fs::create_directory_symlink(tmp.path(), tmp.path() / ("kovariswin-" + std::to_string(me)));
    EXPECT_NE(FindRuntimeFolder([](const char*) { return nullptr; }, tmp.path(), me).problem, "")
        << "a link to a folder is not the folder";
}

// Every window on its own settings file has a socket of its own, whatever way the file is named.
TEST(HistoryRequestTest, OneSocketPerSettingsFile) {
    TempDir work;
    fs::create_directory(work.path() / "b");
    const RuntimeFolder folder{work.path(), {}};
    const fs::path a = work.path() / "Kovaris.ini";
    const HistoryRequestSocket socket = HistoryRequestSocketIn(folder, a);
    EXPECT_EQ(socket.socket.parent_path(), work.path());
    EXPECT_EQ(HistoryRequestSocketIn(folder, work.path() / "b/../Kovaris.ini").socket,
              socket.socket);
    EXPECT_NE(HistoryRequestSocketIn(folder, work.path() / "b/Kovaris.ini").socket, socket.socket);
    EXPECT_NE(socket.lock, socket.socket);

    const fs::path before = fs::current_path();
    fs::current_path(work.path());
    EXPECT_EQ(HistoryRequestSocketIn(folder, "./Kovaris.ini").socket, socket.socket);
    fs::current_path(before);
}

}  // namespace
