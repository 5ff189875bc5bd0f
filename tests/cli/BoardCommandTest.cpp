// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardCommand.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "ExampleTimetable.h"
#include "Kovaris.h"
#include "NumericSettingKeys.h"
#include "TestFiles.h"
#include "board/BoardSession.h"
#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "timetable/Clock.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

namespace {

constexpr std::wstring_view kWeekdaysOnly =
    L";Weekdays only\n"
    L"[MON][TUE][WED][THU][FRI]\n"
    L"7 15\n";

// Trains at 02:30 and 02:40 of the night after Friday and after Saturday.
constexpr std::wstring_view kNightTrains =
    L";Night Line\n"
    L"a:Rapid;R\n"
    L"$East:+2 >east.tbl a6 8\n"
    L"[MON][TUE][WED][THU][FRI]\n"
    L"#Weekday North\n"
    L"5 10\n"
    L"2 30 a40\n"
    L"[SAT]\n"
    L"#Saturday North\n"
    L"6 00\n"
    L"2 a40\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A data root holding the example timetable, a holiday list and settings files; the board runs
// on it with string streams.
class BoardCommandTest : public ::testing::Test {
protected:
    BoardCommandTest() {
        WriteSJisFile(dir.File(L"harbor.tbl"), kHarborLineExample);
        WriteSJisFile(dir.File(L"weekdays.tbl"), kWeekdaysOnly);
        WriteSJisFile(dir.File(L"night.tbl"), kNightTrains);
        WriteSJisFile(dir.File(L"Kovaris.ini"), L"DataPath=" + dir.Root() + L"\nDayChgHour=2\n");
        WriteSJisFile(dir.File(L"prev.ini"),
                      L"DataPath=" + dir.Root() + L"\nDayChgHour=2\nPREV_DISP=1\n");
        WriteSJisFile(dir.File(L"nodata.ini"), L"DayChgHour=2\n");
        WriteSJisFile(dir.File(L"Holiday.dat"), L"; national days\n[HOL]\n12/9:鉄道の日\n");
    }

    std::string Path(const std::string& name) const {
        return wtext::WideToUtf8(dir.File(wtext::Utf8ToWide(name)));
    }

    static CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), "board");
        return RunCli(std::move(args));
    }

    TempDir dir;
};

TEST_F(BoardCommandTest, PrintsTheRowsOfTheListAtAMoment) {
    const std::string gone13(13, ' ');
    struct Case {
        const char* name;
        std::string table;
        std::string settings;
        std::string at;
        std::string rows;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"weekday morning",
         "harbor.tbl",
         "Kovaris.ini",
         "2026-12-07 05:20:00",
         "5",
         {"Harbor Line for Central  Harbor Northbound  (月曜)",
          "先　発 05:25 あと   05分 Rapid Central", "次　発 05:40 あと   20分 Local",
          "次々発 23:05  17時間45分", "　　　 23:30  18時間10分 Rapid Central",
          "　　　 24:15  18時間55分 Local"}},
        {"late night with the train that left last on top",
         "harbor.tbl",
         "prev.ini",
         "2026-12-08 00:10:00",
         "4",
         {"Harbor Line for Central  Harbor Northbound  (月曜)",
          "　　　 23:30       040分 Rapid Central", "先　発 24:15 あと   05分 Local",
          "　　　 --:--", "　　　 --:--"}},
        {"after the last departure the first one is on top, gone",
         "harbor.tbl",
         "Kovaris.ini",
         "2026-12-08 00:30:00",
         "2",
         {"Harbor Line for Central  Harbor Northbound  (月曜)", "先　発 05:10",
          "次　発 05:25" + gone13 + "Rapid Central"}},
        {"Saturday",
         "harbor.tbl",
         "Kovaris.ini",
         "2026-12-05 06:10:00",
         "3",
         {"Harbor Line for Central  (土曜)", "先　発 06:30 あと   20分", "　　　 --:--",
          "　　　 --:--"}},
        {"a holiday of the holiday list",
         "harbor.tbl",
         "Kovaris.ini",
         "2026-12-09 05:50:00",
         "2",
         {"Harbor Line for Central  (祝日 鉄道の日)", "先　発 06:00 あと   10分",
          "次　発 06:30 あと   40分"}},
        {"a day without a section",
         "weekdays.tbl",
         "Kovaris.ini",
         "2026-12-05 06:10:00",
         "5",
         {"Weekdays only  (土曜)", "本日の発車はありません"}},
    };
    for (const Case& c : cases) {
        const CliRun r = Run({"--table", Path(c.table), "--settings", Path(c.settings), "--at",
                              c.at, "--rows", c.rows});
        EXPECT_EQ(r.status, 0) << c.name;
        EXPECT_EQ(Lines(r.out), c.lines) << c.name;
        EXPECT_EQ(r.err, "") << c.name;
    }
}

// A walking time beside the settings, or --walk for the one timetable shown: the trains it
// cannot reach stay on the board but lose their label (faint in colour), and WalkCount=1 counts
// to setting off.
TEST_F(BoardCommandTest, AWalkingTimeSkipsTheTrainsOutOfReach) {
    WriteSJisFile(dir.File(L"KovarisWalk.ini"), L"HARBOR.TBL=10\n");
    WriteSJisFile(dir.File(L"setoff.ini"), L"DataPath=" + dir.Root() + L"\nWalkCount=1\n");
    const std::string heading = "Harbor Line for Central  Harbor Northbound  (月曜)";
    const std::string before = "　　　 05:10       010分";  // left, on top with PREV_DISP
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"from KovarisWalk.ini",
         {"--settings", Path("prev.ini")},
         {heading, before, "　　　 05:25 あと   05分 Rapid Central",
          "先　発 05:40 あと   20分 Local"}},
        {"--walk 0 overrides the file",
         {"--settings", Path("prev.ini"), "--walk", "0"},
         {heading, before, "先　発 05:25 あと   05分 Rapid Central",
          "次　発 05:40 あと   20分 Local"}},
        {"exactly the walk away, counted to setting off",
         {"--settings", Path("setoff.ini"), "--walk", "20"},
         {heading, "　　　 05:25             Rapid Central", "先　発 05:40 あと   00秒 Local",
          "次　発 23:05  17時間25分"}},
        {"faint on a terminal",
         {"--settings", Path("prev.ini"), "--color", "always"},
         {heading, before, "\x1b[2m　　　 05:25 あと   05分 Rapid Central\x1b[0m",
          "\x1b[1m先　発 05:40 あと   20分 Local\x1b[0m"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {
            "--table", Path("harbor.tbl"), "--at", "2026-12-07 05:20:00", "--rows", "3"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun r = Run(args);
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        EXPECT_EQ(Lines(r.out), c.lines) << c.name;
    }
    EXPECT_EQ(Run({"--table", Path("harbor.tbl"), "--walk", "121"}).status, 2);
}

// Early on Saturday, the hour of the day change (2) still runs Friday's night trains with their
// real countdowns; after the last of them Saturday's first train is next, never Saturday's own
// night train a day ahead.
TEST_F(BoardCommandTest, TheHourOfTheDayChangeEndsTheNightFirst) {
    const std::string friday = "Night Line  Weekday North  (金曜)";
    const std::string saturday = "Night Line  Saturday North  (土曜)";
    struct Case {
        std::string at;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"2026-12-12 01:50:00", {friday, "先　発 26:30 あと   40分", "--", "        East＞26:38"}},
        {"2026-12-12 02:10:00", {friday, "先　発 26:30 あと   20分", "--", "        East＞26:38"}},
        {"2026-12-12 02:35:00",
         {friday, "先　発 26:40 あと   05分 Rapid", "--", "        East＞26:46"}},
        {"2026-12-12 02:40:01",
         {saturday, "先　発 06:00  03時間19分", "--", "        East＞06:08"}},
        {"2026-12-13 02:10:00",
         {saturday, "先　発 26:40 あと   30分 Rapid", "--", "        East＞26:46"}},
    };
    for (const Case& c : cases) {
        const CliRun r = Run({"--table", Path("night.tbl"), "--settings", Path("Kovaris.ini"),
                              "--at", c.at, "--rows", "1", "--arrivals"});
        EXPECT_EQ(r.status, 0) << c.at;
        EXPECT_EQ(Lines(r.out), c.lines) << c.at;
    }
}

// A board joins its timetables' rows in time order (ties in board order), each row led by its
// line's name; the heading, the arrival stations and the walk are those of each train's line.
TEST_F(BoardCommandTest, ABoardShowsTheRowsOfItsLines) {
    WriteSJisFile(dir.File(L"lines.BRD"),
                  L";Harbor and Night\nharbor.tbl Harbor\n; no short name: the title\nnight.tbl\n");
    WriteSJisFile(dir.File(L"part.BRD"), L";Part\nmissing.tbl\nharbor.tbl Harbor\n");
    WriteSJisFile(dir.File(L"walk/Kovaris.ini"), L"DataPath=" + dir.Root() + L"\n");
    WriteSJisFile(dir.File(L"walk/KovarisWalk.ini"), L"harbor.tbl=15\n");
    const std::string harbor = "Harbor and Night  Harbor Northbound  (月曜)";
    const std::string night = "Harbor and Night  Weekday North  (月曜)";
    const std::string monday = "2026-12-07 05:00:00";
    struct Case {
        const char* name;
        std::string table;
        std::string settings;
        std::vector<std::string> args;
        std::vector<std::string> lines;
        std::string err;
    };
    const std::vector<Case> cases = {
        {"joined in time order",
         "lines.BRD",
         "Kovaris.ini",
         {"--at", monday},
         {harbor, "先　発 05:10 あと   10分 Harbor", "次　発 05:10 あと   10分 Night Line",
          "次々発 05:25 あと   25分 Harbor Rapid Central"},
         ""},
        {"the next train's line names the heading and the stations",
         "lines.BRD",
         "Kovaris.ini",
         {"--at", "2026-12-08 02:20:00", "--arrivals"},
         {night, "先　発 26:30 あと   10分 Night Line", "次　発 26:40 あと   20分 Night Line Rapid",
          "　　　 --:--", "--", "        East＞26:38"},
         ""},
        {"--walk for every line",
         "lines.BRD",
         "Kovaris.ini",
         {"--at", monday, "--walk", "15"},
         {harbor, "　　　 05:10 あと   10分 Harbor", "　　　 05:10 あと   10分 Night Line",
          "先　発 05:25 あと   25分 Harbor Rapid Central"},
         ""},
        {"each line's own walk from KovarisWalk.ini",
         "lines.BRD",
         "walk/Kovaris.ini",
         {"--at", monday},
         {night, "　　　 05:10 あと   10分 Harbor", "先　発 05:10 あと   10分 Night Line",
          "次　発 05:25 あと   25分 Harbor Rapid Central"},
         ""},
        {"an unreadable line is named, the others show",
         "part.BRD",
         "Kovaris.ini",
         {"--at", monday},
         {"Part  Harbor Northbound  (月曜)", "先　発 05:10 あと   10分 Harbor",
          "次　発 05:25 あと   25分 Harbor Rapid Central", "次々発 05:40 あと   40分 Harbor Local"},
         "kovaris board: cannot show the board's timetable " + Path("missing.tbl") + "\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--table",        Path(c.table), "--settings",
                                         Path(c.settings), "--rows",      "3"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun r = Run(args);
        EXPECT_EQ(r.status, 0) << c.name;
        EXPECT_EQ(Lines(r.out), c.lines) << c.name;
        EXPECT_EQ(r.err, c.err) << c.name;
    }
}

TEST_F(BoardCommandTest, DataRootOptionNamesWhereHolidaysAre) {
    const CliRun r =
        Run({"--table", Path("harbor.tbl"), "--settings", Path("nodata.ini"), "--data-root",
             wtext::WideToUtf8(dir.Root()), "--at", "2026-12-09 05:50:00", "--rows", "1"});
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{"Harbor Line for Central  (祝日 鉄道の日)",
                                                      "先　発 06:00 あと   10分"}));
}

// In configuration mode the window takes the holidays of vekt.cfg over Holiday.dat's, and finds
// color.ini whatever the case of its name; the board starts from the same data.
TEST_F(BoardCommandTest, ConfigurationModeStartsFromTheWindowsData) {
    WriteSJisFile(dir.File(L"cfg.ini"), L"DataPath=" + dir.Root() + L"\nCfgRead=1\n");
    WriteSJisFile(dir.File(L"vekt.cfg"), L"harbor.tbl:Harbor\n[HOL]\n12/9:路線の休日\n");
    WriteSJisFile(dir.File(L"COLOR.INI"), L"Local=0,0,255\n");
    const CliRun r = Run({"--settings", Path("cfg.ini"), "--at", "2026-12-09 06:20:00", "--rows",
                          "1", "--color", "always"});
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{"Harbor Line for Central  (祝日 路線の休日)",
                                                      "\x1b[1m先　発 06:30 あと   10分\x1b[0m"}));
    const CliRun weekday = Run({"--settings", Path("cfg.ini"), "--at", "2026-12-07 05:30:00",
                                "--rows", "1", "--color", "always"});
    EXPECT_EQ(Lines(weekday.out).at(1),
              "\x1b[1;38;2;0;0;255m先　発 05:40 あと   10分 Local\x1b[0m");
}

TEST_F(BoardCommandTest, ColorsRowsFromTheColorList) {
    WriteSJisFile(dir.File(L"color.ini"), L"Rapid Central=255,0,0\nLocal=0,0,255\n");
    const CliRun r = Run({"--table", Path("harbor.tbl"), "--settings", Path("Kovaris.ini"), "--at",
                          "2026-12-07 05:20:00", "--rows", "3", "--color", "always"});
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{
                                "Harbor Line for Central  Harbor Northbound  (月曜)",
                                "\x1b[1;38;2;255;0;0m先　発 05:25 あと   05分 Rapid Central\x1b[0m",
                                "\x1b[38;2;0;0;255m次　発 05:40 あと   20分 Local\x1b[0m",
                                "次々発 23:05  17時間45分",
                            }));
}

TEST_F(BoardCommandTest, ErrorsNameWhatCouldNotBeRead) {
    WriteSJisFile(dir.File(L"none.BRD"), L";None\nmissing.tbl\n");
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string errPart;
    };
    const std::vector<Case> cases = {
        {"missing timetable",
         {"--table", Path("missing.tbl"), "--settings", Path("Kovaris.ini")},
         1,
         "cannot read the timetable " + Path("missing.tbl")},
        {"a board none of whose timetables can be read",
         {"--table", Path("none.BRD"), "--settings", Path("Kovaris.ini")},
         1,
         "cannot read the timetable " + Path("none.BRD")},
        {"missing settings file",
         {"--table", Path("harbor.tbl"), "--settings", Path("missing.ini")},
         1,
         "cannot read the settings file " + Path("missing.ini")},
        {"malformed moment",
         {"--table", Path("harbor.tbl"), "--at", "2026-02-30 10:00:00"},
         2,
         "YYYY-MM-DD HH:MM:SS"},
    };
    for (const Case& c : cases) {
        const CliRun r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.out, "") << c.name;
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << c.name << ": " << r.err;
    }
}

// A hand-edited settings file may hold any 32-bit number; the board must show, whatever it is
// (the sanitizer build turns any overflow into a failure here).
TEST_F(BoardCommandTest, EveryNumericKeyAtTheIntLimits) {
    for (const char* key : kNumericSettingKeys) {
        for (const char* limit : kIntLimits) {
            WriteSJisFile(dir.File(L"limits.ini"), L"DataPath=" + dir.Root() + L"\n" +
                                                       wtext::Utf8ToWide(key) + L"=" +
                                                       wtext::Utf8ToWide(limit) + L"\n");
            for (const char* at : {"2026-12-07 05:20:00", "2026-12-07 00:10:00"}) {
                const CliRun r = Run({"--settings", Path("limits.ini"), "--table", "harbor.tbl",
                                      "--at", at, "--arrivals", "--rows", "3"});
                EXPECT_EQ(r.status, 0) << key << "=" << limit << " at " << at << ": " << r.err;
                EXPECT_EQ(Lines(r.out).front().rfind("Harbor Line for Central", 0), 0u)
                    << key << "=" << limit;
            }
        }
    }
}

// The watch loop, driven frame by frame with a clock that moves a second per frame.
class BoardWatchTest : public ::testing::Test {
protected:
    BoardWatchTest() {
        DaySection section;
        section.dayMask = 0x7F;
        section.departures = {{L"", 310}};
        table.title = L"T";
        table.sections.push_back(section);
    }

    std::string Watch(bool inPlace, int frames) {
        BoardWatch watch{session, clock, 1, inPlace, false, {}};
        watch.waitForNextSecond = [this, frames] {
            clock.AdvanceMs(1000);
            return ++shown < frames;
        };
        std::ostringstream out;
        RunBoardWatch(watch, out);
        return out.str();
    }

    AppSettings settings;
    ColorTable colors;
    HolidayCalendar holidays;
    Timetable table{settings, colors, holidays};
    BoardSession session{table};
    ManualClock clock{Moment::FromFields(2026, 12, 7, 5, 8, 58)};
    int shown = 0;
};

TEST_F(BoardWatchTest, RedrawsInPlaceOnATerminal) {
    EXPECT_EQ(Watch(true, 2),
              "\x1b[?25l\x1b[2J"
              "\x1b[H2026-12-07(月) 05:08:58\x1b[K\nT  (月曜)\x1b[K\n"
              "先　発 05:10 あと1分02秒\x1b[K\n\x1b[J"
              "\x1b[H2026-12-07(月) 05:08:59\x1b[K\nT  (月曜)\x1b[K\n"
              "先　発 05:10 あと1分01秒\x1b[K\n\x1b[J"
              "\x1b[?25h");
}

TEST_F(BoardWatchTest, PrintsFrameAfterFrameElsewhere) {
    EXPECT_EQ(Watch(false, 2),
              "T  (月曜)\n先　発 05:10 あと1分02秒\n\n"
              "T  (月曜)\n先　発 05:10 あと1分01秒\n");
}

}  // namespace
