// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CliRun.h"
#include "ExampleTimetable.h"
#include "Kovaris.h"
#include "TestFiles.h"

namespace {

nlohmann::json HourIndex(std::vector<std::pair<int, int>> slots) {
    nlohmann::json index = nlohmann::json::array();
    for (int h = 0; h < 32; ++h) {
        index.push_back(-1);
    }
    for (const auto& [slot, value] : slots) {
        index[static_cast<std::size_t>(slot)] = value;
    }
    return index;
}

TEST(DumpCommandTest, PrintsTheExampleFileAsJson) {
    TempDir dir;
    const std::wstring path = dir.File(L"harbor line.tbl");
    WriteSJisFile(path, kHarborLineExample);
    const CliRun run = RunCli({"dump", wtext::WideToUtf8(path)});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    nlohmann::json expected = {
        {"title", "Harbor Line for Central"},
        {"legend",
         {{{"mark", "a"}, {"name", "Rapid Central"}, {"shortName", "Rapid"}},
          {{"mark", "b"}, {"name", "Local"}, {"shortName", "Local"}}}},
        {"arrivals",
         {{{"name", "Harbor"},
           {"target", "harbor.tbl"},
           {"transferMinutes", 3},
           {"travelTimes",
            {{{"mark", "a"}, {"minutes", 12}},
             {{"mark", "b"}, {"minutes", 15}},
             {{"mark", "-"}, {"minutes", 20}}}}}}},
        {"sections",
         {{{"dayMask", 62},
           {"caption1", "Harbor"},
           {"caption2", "Northbound"},
           {"hourIndex", HourIndex({{5, 0}, {23, 3}, {24, 5}})},
           {"departures",
            {{{"marks", ""}, {"time", 310}},
             {{"marks", "a"}, {"time", 325}},
             {{"marks", "b"}, {"time", 340}},
             {{"marks", ""}, {"time", 1385}},
             {{"marks", "a"}, {"time", 1410}},
             {{"marks", "b"}, {"time", 1455}}}}},
          {{"dayMask", 193},
           {"caption1", ""},
           {"caption2", ""},
           {"hourIndex", HourIndex({{6, 0}})},
           {"departures", {{{"marks", ""}, {"time", 360}}, {{"marks", ""}, {"time", 390}}}}}}}};
    EXPECT_EQ(nlohmann::json::parse(run.out), expected);
    // One departure or travel time per line, spaced as the documented layout shows it.
    EXPECT_NE(run.out.find("\n        {\"mark\": \"a\", \"minutes\": 12},\n"), std::string::npos)
        << run.out;
    // The title comes first, as a reader expects, not in alphabetical order.
    EXPECT_EQ(run.out.find("\"title\""), run.out.find('"'));
}

TEST(DumpCommandTest, DayChangeHourAndJapaneseText) {
    TempDir dir;
    const std::wstring path = dir.File(L"港.tbl");
    WriteSJisFile(path, L";港線\n快:x\n[MON]\n#平日\n0 快5\n");
    const CliRun run = RunCli({"dump", "--day-change-hour", "-1", wtext::WideToUtf8(path)});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["title"], "港線");
    EXPECT_EQ(json["legend"], nlohmann::json::array());
    EXPECT_EQ(json["sections"][0]["caption1"], "平日");
    EXPECT_EQ(json["sections"][0]["departures"][0], (nlohmann::json{{"marks", "快"}, {"time", 5}}));
}

// A timetable saved in UTF-8 gets a one-line warning whose command, run as given, makes the
// file read as its Shift-JIS original does, whatever its name holds.
TEST(DumpCommandTest, Utf8FileWarnsWithACommandThatConvertsIt) {
    TempDir dir;
    const std::wstring original = wtext::Utf8ToWide(KOVARIS_DEMO_DATA "/wakaba_up.TBL");
    const std::wstring path = dir.File(L"it's 若葉 up.TBL");
    WriteBytes(path, wtext::WideToUtf8(ToWide(ReadBytes(original))));
    const CliRun utf8 = RunCli({"dump", wtext::WideToUtf8(path)});
    ASSERT_EQ(utf8.status, 0) << utf8.err;
    EXPECT_EQ(std::count(utf8.err.begin(), utf8.err.end(), '\n'), 1) << utf8.err;
    const std::string marker = "convert it with: ";
    const std::size_t command = utf8.err.find(marker);
    ASSERT_EQ(utf8.err.rfind("kovaris dump: warning: ", 0), 0U) << utf8.err;
    ASSERT_NE(command, std::string::npos) << utf8.err;

    const std::string line = utf8.err.substr(command + marker.size());
    ASSERT_EQ(std::system(line.c_str()), 0) << line;
    const CliRun converted = RunCli({"dump", wtext::WideToUtf8(path)});
    EXPECT_EQ(converted.err, "");
    EXPECT_EQ(converted.out, RunCli({"dump", wtext::WideToUtf8(original)}).out);
}

TEST(DumpCommandTest, FailuresGoToStderrWithTheirStatus) {
    TempDir dir;
    const std::string missing = wtext::WideToUtf8(dir.File(L"missing.tbl"));
    const CliRun unreadable = RunCli({"dump", missing});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.out, "");
    EXPECT_EQ(unreadable.err, "kovaris dump: cannot read " + missing + "\n");

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"dump"}, {"dump", "--day-change-hour", "x", missing}, {}}) {
        const CliRun usage = RunCli(args);
        EXPECT_NE(usage.status, 0) << args.size();
        EXPECT_NE(usage.err, "") << args.size();
    }
}

}  // namespace
