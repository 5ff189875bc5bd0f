// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CliRun.h"

namespace {

// Every wrong argument is one line that names it: status 2 for a wrong option or command, as
// the GNU tools have it, and 1 for a history entry number that cannot be one, as for the other
// refusals of show-history. Nothing is printed on stdout.
TEST(ArgumentErrorsTest, OneLineNamingTheArgument) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string named;
    };
    const std::vector<Case> cases = {
        {{}, 2, "subcommand"},
        {{"frob"}, 2, "\"frob\""},
        {{"--frob"}, 2, "\"--frob\""},
        {{"board", "--bogus"}, 2, "--bogus"},
        {{"board", "--rows", "0"}, 2, "--rows"},
        {{"board", "--rows"}, 2, "--rows"},
        {{"board", "--color", "red"}, 2, "--color"},
        {{"board", "--at", "2026-02-30 10:00:00"}, 2, "--at"},
        {{"catalogue", "--at", "yesterday"}, 2, "--at"},
        {{"dump"}, 2, "FILE"},
        {{"dump", "--day-change-hour", "x", "a.TBL"}, 2, "--day-change-hour"},
        {{"import-gtfs", "feed.zip", "--stop", "A", "--date", "2024-13-01"}, 2, "--date"},
        {{"show-history"}, 2, "N"},
        {{"show-history", "1", "2"}, 2, "2"},
        {{"show-history", "-1"}, 1, "\"-1\""},
        {{"show-history", "abc"}, 1, "\"abc\""},
        {{"show-history", "99999999999999999999"}, 1, "\"99999999999999999999\""},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        const std::string name = c.args.empty() ? "(none)" : c.args.front() + " ...";
        EXPECT_EQ(run.status, c.status) << name << ": " << run.err;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_TRUE(run.err.starts_with("kovaris: ")) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << name << ": " << run.err;
    }
}

}  // namespace
