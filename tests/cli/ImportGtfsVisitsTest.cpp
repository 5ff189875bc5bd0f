// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "GtfsImport.h"
#include "TestFiles.h"

namespace {

namespace fs = std::filesystem;

using gtfs_import::Import;
using gtfs_import::kFeeds;
using gtfs_import::ReadBack;

// The invented feed "visits" at the station 駅前 (poles P1 and P2): a loop that leaves the
// station twice with a stop_headsign each time, a set-down-only call, a trip ending at the other
// pole, calls between timepoints with and without shape_dist_traveled, a stop reached within
// the minute, and a trip repeated by frequencies.txt.
TEST(ImportGtfsVisitsTest, DeparturesAreTheVisitsRidersCanBoardWithTheSignsTheyShow) {
    TempDir dir;
    const CliRun run =
        Import(kFeeds + "/visits", dir.path(), {"--stop", "駅前", "--date", "2024-04-22"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "シャトル_空港方面.TBL: 平日・土曜・日曜・祝日 5; arrivals: 空港\n"
              "本線_南口方面.TBL: 平日・土曜・日曜・祝日 3; arrivals: 競技場, 南口\n"
              "循環線_大学方面.TBL: 平日・土曜・日曜・祝日 1; arrivals: 大学前, 大学\n"
              "循環線_市役所方面.TBL: 平日・土曜・日曜・祝日 1; arrivals: 市民病院, 市役所, "
              "大学前, 大学\n");
    EXPECT_NE(run.err.find("2 call(s) at the stop without a time were timed between the stops "
                           "around them\n"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("1 call(s) where riders cannot board (pickup_type 1) were left out\n"),
              std::string::npos)
        << run.err;

    struct Case {
        std::string file;
        std::string content;
    };
    const std::vector<Case> cases = {
        // Every 20 minutes from 10:00 before 11:00, every 15 from 12:00 before 12:30, each
        // keeping the template's seven minutes to the airport.
        {"シャトル_空港方面.TBL",
         "駅前 シャトル 空港方面\na:空港行;空港\n$空港 a7\n"
         "255 平日・土曜・日曜・祝日 空港方面: 10:00a 10:20a 10:40a 12:00a 12:15a\n"},
        // The loop's second visit leaves from the other pole at its departure time, signed by
        // its own stop_headsign, not by the trip's "駅前".
        {"循環線_大学方面.TBL",
         "駅前 循環線 大学方面\na:大学行;大学\n$大学前 a4\n$大学 a9\n"
         "255 平日・土曜・日曜・祝日 大学方面: 07:16a\n"},
        {"循環線_市役所方面.TBL",
         "駅前 循環線 市役所方面\na:市役所行;市役所\n$市民病院 a5\n$市役所 a10\n$大学前 a20\n"
         "$大学 a25\n255 平日・土曜・日曜・祝日 市役所方面: 07:00a\n"},
        // 07:30 only sets down and 09:10 ends at the other pole: neither departs. 13:15 lies
        // three quarters of the way by shape_dist_traveled, 14:20 two thirds by stop order.
        // The stadium, 40 seconds away, is a minute away rather than no time at all.
        {"本線_南口方面.TBL",
         "駅前 本線 南口方面\na:南口行;南口\n$競技場 a1\n$南口 a10\n"
         "255 平日・土曜・日曜・祝日 南口方面: 08:30a 13:15a 14:20a\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadBack(dir.path() / c.file), c.content) << c.file;
    }

    // A stop whose only call has no time and no timed call before it says so.
    const CliRun untimed = Import(kFeeds + "/visits", dir.path() / "island",
                                  {"--stop", "孤島", "--date", "2024-04-22"});
    EXPECT_EQ(untimed.status, 1);
    EXPECT_EQ(untimed.err,
              "kovaris import-gtfs: the 1 call(s) at \"孤島\" have no time, not even between two "
              "timed stops\n");
    EXPECT_FALSE(fs::exists(dir.path() / "island"));
}

}  // namespace
