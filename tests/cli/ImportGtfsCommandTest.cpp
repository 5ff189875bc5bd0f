// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "GtfsImport.h"
#include "TestFiles.h"
#include "text/WideText.h"

namespace {

namespace fs = std::filesystem;

using gtfs_import::FileNames;
using gtfs_import::Import;
using gtfs_import::kFeeds;
using gtfs_import::ReadBack;

const std::string kSouthbound = "さくら線_南台方面.TBL";

std::string Utf8(std::wstring_view text) {
    return wtext::WideToUtf8(text);
}

// A holiday list naming Monday 29 April, as a user's Holiday.dat would.
void WriteHolidayList(const std::wstring& path) {
    WriteSJisFile(path, L"; 祝日\n[HOL]\n4/29:昭和の日\n");
}

TEST(ImportGtfsCommandTest, OneTimetablePerRouteAndDirectionAsTheProgramReadsIt) {
    TempDir dir;
    WriteHolidayList(dir.File(L"Holiday.dat"));
    const CliRun run = Import(
        kFeeds + "/rail", dir.path() / "out",
        {"--stop", "中央", "--date", "2024-04-22", "--holidays", Utf8(dir.File(L"Holiday.dat"))});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "さくら線_南台方面.TBL: 月曜・火曜・水曜・木曜 4, 金曜 5, 土曜 1, 日曜・祝日 1; "
              "arrivals: 港南, 本町, \"東口\", 南台\n"
              "さくら線_北浜方面.TBL: 平日 1, 土曜 1, 日曜・祝日 1; arrivals: 北浜\n"
              "臨港線_北浜方面.TBL: 平日 1; arrivals: 北浜\n"
              "臨港線_港南方面.TBL: 平日 1; arrivals: 港南\n");
    // The folder holding Holiday.dat is the data root. "𠮷" lies beyond Shift-JIS: once in the
    // mark's name, once in its short name.
    EXPECT_EQ(run.err,
              "kovaris import-gtfs: to list these files by caption in configuration mode, add to " +
                  (fs::weakly_canonical(dir.path()) / "vekt.cfg").string() +
                  ": /out/import.cfg 中央\n"
                  "kovaris import-gtfs: holidays: the trips of 2024-04-29 (昭和の日), from " +
                  Utf8(dir.File(L"Holiday.dat")) +
                  "\n"
                  "kovaris import-gtfs: warning: 2 character(s) that Shift-JIS cannot hold were "
                  "written as 〓\n");

    struct Case {
        std::string file;
        std::string content;
    };
    const std::vector<Case> cases = {
        // The short trip to 港南 has no headsign: its last stop names it. A trip past midnight
        // keeps its hour 25; the Saturday service's 01:05 runs in Friday night as 25:05.
        {kSouthbound,
         "中央 さくら線 南台方面\n"
         "a:南台行;南台\n"
         "b:港南行;港南\n"
         "$港南 a4 b4\n"
         "$本町, \"東口\" a8\n"
         "$南台 a12\n"
         "30 月曜・火曜・水曜・木曜 南台方面: 07:00a 07:30a 08:00b 25:10a\n"
         "32 金曜 南台方面: 07:00a 07:30a 08:00b 25:05a 25:10a\n"
         "64 土曜 南台方面: 09:00a\n"
         "129 日曜・祝日 南台方面: 10:00a\n"},
        // Departs on its arrival time where the departure time is empty; the trip ending here
        // is no departure.
        {"さくら線_北浜方面.TBL",
         "中央 さくら線 北浜方面\n"
         "a:北浜行;北浜\n"
         "b:〓野行;〓野\n"
         "$北浜 a5 b5\n"
         "62 平日 北浜方面: 07:15a\n"
         "64 土曜 北浜方面: 09:15a\n"
         "129 日曜・祝日 北浜方面: 10:15b\n"},
        // No direction_id: the next stop tells the directions apart. The holiday removes the
        // weekday service, so holidays have no section.
        {"臨港線_北浜方面.TBL",
         "中央 臨港線 北浜方面\na:北浜行;北浜\n$北浜 a6\n62 平日 北浜方面: 12:30a\n"},
        {"臨港線_港南方面.TBL",
         "中央 臨港線 港南方面\na:港南行;港南\n$港南 a6\n62 平日 港南方面: 12:00a\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadBack(dir.path() / "out" / c.file), c.content) << c.file;
    }
}

TEST(ImportGtfsCommandTest, ZipStationIdAndDataRootHolidaysGiveTheSameFiles) {
    TempDir dir;
    WriteHolidayList(dir.File(L"Holiday.dat"));
    const std::vector<std::string> reference = {
        "--stop", "中央", "--date", "2024-04-22", "--holidays", Utf8(dir.File(L"Holiday.dat"))};
    ASSERT_EQ(Import(kFeeds + "/rail", dir.path() / "reference", reference).status, 0);

    struct Case {
        const char* name;
        std::string feed;
        std::vector<std::string> args;
    };
    const std::vector<Case> cases = {
        {"a zip whose files sit in a folder, the station by its id",
         kFeeds + "/rail.zip",
         {"--stop", "ST2", "--date", "2024-04-22", "--holidays", Utf8(dir.File(L"Holiday.dat"))}},
        // The week starts on the holiday Monday: Monday comes from the week after, and the
        // output folder's data root lends its holiday list.
        {"a week starting on a holiday",
         kFeeds + "/rail",
         {"--stop", "中央", "--date", "2024-04-29"}},
    };
    for (const Case& c : cases) {
        const fs::path out = dir.path() / "lines" / c.name;
        const CliRun run = Import(c.feed, out, c.args);
        ASSERT_EQ(run.status, 0) << c.name << run.err;
        ASSERT_EQ(FileNames(out), FileNames(dir.path() / "reference")) << c.name;
        for (const std::string& file : FileNames(out)) {
            EXPECT_EQ(ReadBytes(wtext::Utf8ToWide((out / file).string())),
                      ReadBytes(wtext::Utf8ToWide((dir.path() / "reference" / file).string())))
                << c.name << ": " << file;
        }
    }
}

TEST(ImportGtfsCommandTest, TheBoardShowsTheFeedsArrivalTimes) {
    TempDir dir;
    WriteBytes(dir.File(L"Kovaris.ini"), "");
    ASSERT_EQ(
        Import(kFeeds + "/rail", dir.path(), {"--stop", "中央", "--date", "2024-04-22"}).status, 0);
    struct Case {
        const char* at;
        std::string arrivals;
    };
    const std::vector<Case> cases = {
        {"2024-04-26 06:59:00",
         "        港南　07:04\n本町, \"東口\"　07:08\n        南台　07:12\n"},
        // Friday night: the Saturday service's 01:05 reaches 港南 at 01:09:30.
        {"2024-04-27 01:00:00",
         "        港南　25:09\n本町, \"東口\"　25:13\n        南台　25:17\n"},
    };
    for (const Case& c : cases) {
        const CliRun run =
            RunCli({"board", "--color", "never", "--settings", Utf8(dir.File(L"Kovaris.ini")),
                    "--data-root", dir.path().string(), "--table", kSouthbound, "--at", c.at,
                    "--arrivals"});
        EXPECT_EQ(run.status, 0) << c.at << run.err;
        const std::size_t list = run.out.find("\n--\n");
        EXPECT_EQ(list == std::string::npos ? run.out : run.out.substr(list + 4), c.arrivals)
            << c.at;
    }
}

TEST(ImportGtfsCommandTest, BadInputNamesTheFaultAndWritesNothing) {
    struct Case {
        std::string feed;
        std::string stop;
        std::string date;
        std::string error;
    };
    const std::vector<Case> cases = {
        {kFeeds + "/missing-column", "A", "2024-04-22",
         "stop_times.txt, line 1, column stop_sequence: required column missing"},
        {kFeeds + "/bad-time", "A", "2024-04-22",
         "stop_times.txt, line 4, column departure_time: malformed time \"8:3O:00\""},
        {kFeeds + "/rail", "中夬", "2024-04-22",
         "no stop with the id or name \"中夬\"; similar names: 中央"},
        {kFeeds + "/rail", "本町", "2024-04-22",
         "no stop with the id or name \"本町\"; similar names: 本町, \"東口\""},
        {kFeeds + "/rail", "中央", "2030-01-07",
         "no trips leave \"中央\" in the week from 2030-01-07: the feed serves 2024-01-01 to "
         "2024-12-31; try --date 2024-12-25"},
        {kFeeds + "/bad-time", "C", "2024-04-22", "the feed has no trips.txt"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const CliRun run = Import(c.feed, dir.path() / "out", {"--stop", c.stop, "--date", c.date});
        EXPECT_EQ(run.status, 1) << c.error;
        EXPECT_EQ(run.err, "kovaris import-gtfs: " + c.error + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(fs::exists(dir.path() / "out")) << c.error;
    }
}

}  // namespace
