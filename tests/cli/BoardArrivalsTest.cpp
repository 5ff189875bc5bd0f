// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "TestFiles.h"

namespace {

// Runs `kovaris board` on a data root with a settings file holding `settingsText`.
CliRun Board(const std::string& settingsText, std::vector<std::string> args,
             const std::string& root = KOVARIS_DEMO_DATA) {
    TempDir dir;
    WriteBytes(dir.File(L"Kovaris.ini"), settingsText);
    args.insert(args.begin(), {"board", "--color", "never", "--settings",
                               wtext::WideToUtf8(dir.File(L"Kovaris.ini")), "--data-root", root});
    return RunCli(std::move(args));
}

std::string After(const std::string& text, const std::string& marker) {
    const std::size_t at = text.find(marker);
    return at == std::string::npos ? "(no " + marker + ")" : text.substr(at + marker.size());
}

TEST(BoardArrivalsTest, ArrivalRowsOfTheNextDeparture) {
    struct Case {
        const char* name;
        const char* settings;
        const char* at;
        std::string arrivals;
    };
    const std::vector<Case> cases = {
        {"local train, level targets offer nothing in directory mode", "", "2026-12-08 07:00:00",
         "      東雲橋＞07:11\n"
         "      港南口　07:17\n"
         "    桜川中央　07:23\n"
         "桜川中央(地 　07:26\n"},
        // "a6 d5 8": the unmarked 8 minutes are for the other trains, not for this rapid one.
        {"a rapid train takes its own travel times", "", "2026-12-08 08:05:00",
         "      東雲橋＞08:15\n"
         "      港南口　08:20\n"
         "    桜川中央　08:24\n"
         "桜川中央(地 　08:27\n"},
        {"after midnight the hours go on past 23", "", "2026-12-08 23:55:00",
         "      東雲橋＞24:18\n"
         "      港南口　24:24\n"
         "    桜川中央　24:30\n"
         "桜川中央(地 　24:33\n"},
        {"a short train does not reach the terminus", "CfgRead=1\r\n", "2026-12-08 23:45:00",
         "      東雲橋＞23:58\n"
         "      港南口　24:04\n"
         "    桜川中央≫--:--\n"
         "桜川中央(地 　--:--\n"},
    };
    for (const Case& c : cases) {
        const CliRun run =
            Board(c.settings, {"--table", "WAKABA_UP.tbl", "--at", c.at, "--arrivals"});
        EXPECT_EQ(run.status, 0) << c.name << run.err;
        EXPECT_EQ(After(run.out, "\n--\n"), c.arrivals) << c.name;
    }
}

TEST(BoardArrivalsTest, WithoutATableTheRootLevelsDefault) {
    // Directory mode opens the first timetable by name; the route configuration the morning one.
    CliRun run = Board("", {"--at", "2026-12-08 09:00:00"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("北浜方面"), std::string::npos) << run.out;
    run = Board("CfgRead=1\r\n", {"--at", "2026-12-08 09:00:00"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("桜川中央方面"), std::string::npos) << run.out;

    TempDir empty;
    const std::string root = wtext::WideToUtf8(empty.Root());
    run = Board("CfgRead=1\r\n", {"--at", "2026-12-08 09:00:00"}, root);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "環境ファイルの読み込みに失敗しました\n" + root + "vekt.cfg\n");
}

}  // namespace
