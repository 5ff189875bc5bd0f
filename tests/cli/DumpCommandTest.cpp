#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Kovaris.h"
#include "TestFiles.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunArgs(std::vector<std::string> args) {
    args.insert(args.begin(), "kovaris");
    std::vector<const char*> argv;
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunKovaris(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

const wchar_t* const kExample =
    L";Harbor Line for Central\n"
    L";revised in spring\n"
    L"a:Rapid Central;Rapid\n"
    L"b:Local;Local\n"
    L"$Harbor:+3 >harbor.tbl a12 b15 20\n"
    L"[MON][TUE][WED][THU][FRI]\n"
    L"#Harbor Northbound\n"
    L"5 10 a25 b40\n"
    L"23 05 a30\n"
    L"0 b15\n"
    L"[SAT][SUN][HOL]\n"
    L"6 00 30\n";

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
    WriteSJisFile(path, kExample);
    const Outcome run = RunArgs({"dump", wtext::WideToUtf8(path)});
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
    // The title comes first, as a reader expects, not in alphabetical order.
    EXPECT_EQ(run.out.find("\"title\""), run.out.find('"'));
}

TEST(DumpCommandTest, DayChangeHourAndJapaneseText) {
    TempDir dir;
    const std::wstring path = dir.File(L"港.tbl");
    WriteSJisFile(path, L";港線\n快:x\n[MON]\n#平日\n0 快5\n");
    const Outcome run = RunArgs({"dump", "--day-change-hour", "-1", wtext::WideToUtf8(path)});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["title"], "港線");
    EXPECT_EQ(json["legend"], nlohmann::json::array());
    EXPECT_EQ(json["sections"][0]["caption1"], "平日");
    EXPECT_EQ(json["sections"][0]["departures"][0], (nlohmann::json{{"marks", "快"}, {"time", 5}}));
}

TEST(DumpCommandTest, FailuresGoToStderrWithTheirStatus) {
    TempDir dir;
    const std::string missing = wtext::WideToUtf8(dir.File(L"missing.tbl"));
    const Outcome unreadable = RunArgs({"dump", missing});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.out, "");
    EXPECT_EQ(unreadable.err, "kovaris dump: cannot read " + missing + "\n");

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"dump"}, {"dump", "--day-change-hour", "x", missing}, {}}) {
        const Outcome usage = RunArgs(args);
        EXPECT_NE(usage.status, 0) << args.size();
        EXPECT_NE(usage.err, "") << args.size();
    }
}

}  // namespace
