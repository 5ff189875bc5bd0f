// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/TimetableParser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ExampleTimetable.h"
#include "TestFiles.h"
#include "files/CSJisFile.h"
#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

namespace {

// A timetable over settings that never write a file, with files written into a temp folder.
class TimetableParserTest : public ::testing::Test {
protected:
    TimetableParserTest() { settings_.filePath = dir_.File(L"Kovaris.ini"); }

    // Loads `text` written as Shift-JIS ("\n" becomes CR LF).
    Timetable& LoadText(std::wstring_view text, int dayChgHour = 2) {
        const std::wstring path = dir_.File(L"t.tbl");
        WriteSJisFile(path, text);
        return LoadFile(path, dayChgHour);
    }

    Timetable& LoadBytes(std::string_view bytes, int dayChgHour = 2) {
        const std::wstring path = dir_.File(L"t.tbl");
        WriteBytes(path, bytes);
        return LoadFile(path, dayChgHour);
    }

    Timetable& LoadFile(const std::wstring& path, int dayChgHour) {
        settings_.dayChgHour = dayChgHour;
        EXPECT_TRUE(timetable_.LoadTimetable(path));
        return timetable_;
    }

    TempDir dir_;
    AppSettings settings_;
    ColorTable colors_;
    HolidayCalendar holidays_;
    Timetable timetable_{settings_, colors_, holidays_};
};

// Compact descriptions, so a table row states a whole block in one string.
std::wstring LegendText(const Timetable& t) {
    std::wstring s;
    for (const auto& [mark, entry] : t.legend) {
        s += std::wstring(1, mark) + L"=" + entry.name + L"/" + entry.shortName + L";";
    }
    return s;
}

std::wstring ArrivalsText(const Timetable& t) {
    std::wstring s;
    for (const ArrivalStation& a : t.arrivals) {
        s += L"[" + a.name + L"]>" + a.target + L"+" + std::to_wstring(a.transferMinutes) + L":";
        for (const TravelTime& tt : a.travelTimes) {
            s += std::wstring(1, tt.mark) + std::to_wstring(tt.minutes) + L",";
        }
        s += L";";
    }
    return s;
}

// "mask|caption1|caption2|slot=index,...|marks time,...", sections separated by " / ".
std::wstring SectionsText(const Timetable& t) {
    std::wstring s;
    for (const DaySection& section : t.sections) {
        if (!s.empty()) {
            s += L" / ";
        }
        s += std::to_wstring(section.dayMask) + L"|" + section.caption1 + L"|" + section.caption2 +
             L"|";
        for (int h = 0; h < kHourSlots; ++h) {
            if (section.hourIndex[static_cast<std::size_t>(h)] >= 0) {
                s += std::to_wstring(h) + L"=" +
                     std::to_wstring(section.hourIndex[static_cast<std::size_t>(h)]) + L",";
            }
        }
        s += L"|";
        for (const Departure& d : section.departures) {
            s += d.marks + std::to_wstring(d.time) + L",";
        }
    }
    return s;
}

TEST_F(TimetableParserTest, ReadsTheExampleFile) {
    const Timetable& t = LoadText(kHarborLineExample);
    EXPECT_EQ(t.title, L"Harbor Line for Central");
    EXPECT_EQ(LegendText(t), L"a=Rapid Central/Rapid;b=Local/Local;");
    EXPECT_EQ(ArrivalsText(t), L"[Harbor]>harbor.tbl+3:a12,b15,-20,;");
    EXPECT_EQ(SectionsText(t),
              L"62|Harbor|Northbound|5=0,23=3,24=5,|310,a325,b340,1385,a1410,b1455, / "
              L"193|||6=0,|360,390,");
}

TEST_F(TimetableParserTest, ReadsShiftJisText) {
    const Timetable& t = LoadText(
        L";\x3000港線　中央方面\x3000\n"
        L"k:快速;快\n"
        L"$港駅:>港\\上り.tbl k12\n"
        L"[mon]\n"
        L"#平日 上り\n"
        L"5 k10 快20\n");
    EXPECT_EQ(t.title, L"港線　中央方面");
    EXPECT_EQ(LegendText(t), L"k=快速/快;");
    EXPECT_EQ(ArrivalsText(t), L"[港駅]>港\\上り.tbl+0:k12,;");
    EXPECT_EQ(SectionsText(t), L"2|平日|上り|5=0,|k310,快320,");
}

struct BlockCase {
    const char* name;
    std::wstring file;
    std::wstring expected;
    int dayChgHour = 2;
};

TEST_F(TimetableParserTest, TitleBlock) {
    const std::vector<BlockCase> cases = {
        {"empty file", L"", L"NoTitle"},
        {"only comments", L";First\n;Second\n", L"First"},
        {"no comment first", L"a:Rapid\n;Late\n", L"NoTitle"},
        {"empty line ends the title block", L"\n;Late\n", L"NoTitle"},
        {"bare semicolon", L";\n;Second\n", L""},
        {"white space before the semicolon", L"\x3000\t;Title\n", L"Title"},
    };
    for (const BlockCase& c : cases) {
        EXPECT_EQ(LoadText(c.file).title, c.expected) << c.name;
    }
}

TEST_F(TimetableParserTest, LegendBlock) {
    const std::wstring longName(10000, L'x');
    const std::vector<BlockCase> cases = {
        {"no semicolon", L"c:Express\n", L"c=Express/;"},
        {"spaces kept inside, trimmed outside", L"a: Rapid  Central ; Rapid more\n",
         L"a=Rapid  Central/Rapid;"},
        {"only the first character is the mark", L"abc:Name;N\n", L"a=Name/N;"},
        {"mark alone", L"x\n", L"x=/;"},
        {"an empty name stops the scan", L"a:;Rapid\n", L"a=/;"},
        {"ideographic spaces trim the name and end the short name",
         L"a:\x3000快速\x3000;\x3000快\x3000速\n", L"a=快速/快;"},
        {"not a letter", L"1:One;1\n#a:Caption\n:b;c\n", L""},
        {"case matters, later line replaces", L"a:Old;O\nA:Upper;U\na:New;N\n",
         L"A=Upper/U;a=New/N;"},
        {"comments and empty lines", L";t\n\n;a:Hidden;H\nb:Local;L\n", L"b=Local/L;"},
        {"ends at the first $ or [", L"a:A\n[MON]\nb:B\n", L"a=A/;"},
        {"fields cut at 127", L"a:" + longName + L";" + longName + L"\n",
         L"a=" + std::wstring(127, L'x') + L"/" + std::wstring(127, L'x') + L";"},
    };
    for (const BlockCase& c : cases) {
        EXPECT_EQ(LegendText(LoadText(c.file)), c.expected) << c.name;
    }
}

TEST_F(TimetableParserTest, ArrivalBlock) {
    const std::vector<BlockCase> cases = {
        {"no colon", L"$Harbor +3\n", L""},
        {"nothing after the colon", L"$Harbor:\n", L"[Harbor]>+0:;"},
        {"name not trimmed", L"$ Harbor :a5\n", L"[ Harbor ]>+0:a5,;"},
        {"five characters after a letter", L"$X:a1234567\n", L"[X]>+0:a12345,;"},
        {"six characters of other tokens", L"$X:12345 -5 *\n", L"[X]>+0:-12345,--5,-0,;"},
        // 123456 minutes cannot be stored: the entry is left out instead of wrapping.
        {"travel time beyond 16 bits", L"$X:1234567 a9 b40000\n", L"[X]>+0:a9,;"},
        {"transfer minutes and target", L"$X:+\t7 >sub\\y.tbl\n", L"[X]>sub\\y.tbl+7:;"},
        {"runs of spaces and tabs between tokens", L"$X:a1  \t b2\n", L"[X]>+0:a1,b2,;"},
        {"a tab does not split", L"$X:a1\tb2\n", L"[X]>+0:a1,;"},
        {"other lines ignored", L"$A:a1\nnoise\n;$B:b2\n$C\n$D:\n", L"[A]>+0:a1,;[D]>+0:;"},
        {"ends at #", L"$A:\n#Cap\n$B:\n", L"[A]>+0:;"},
    };
    for (const BlockCase& c : cases) {
        EXPECT_EQ(ArrivalsText(LoadText(c.file)), c.expected) << c.name;
    }
}

TEST_F(TimetableParserTest, DaySections) {
    const std::vector<BlockCase> cases = {
        {"several days, any case, with spaces", L"[sun] [Mon][tUe] [HOL]\n5 1\n",
         L"135|||5=0,|301,"},
        {"two names in one bracket: the first counts", L"[SAT,SUN]\n5 1\n", L"64|||5=0,|301,"},
        {"a header naming no day continues", L"[Weekday]\n5 1\n[MON]\n6 2\n",
         L"2|||5=0,6=1,|301,362,"},
        {"headerless section after stations", L"$X:\n#Cap Two Three\n5 1\n",
         L"127|Cap|Two|5=0,|301,"},
        {"caption before the first header", L"$X:\n#Cap\n[MON]\n5 1\n", L"2|Cap||5=0,|301,"},
        {"later caption replaces", L"[MON]\n#A B\n5 1\n#C\n", L"2|C||5=0,|301,"},
        {"a bare # empties both captions", L"[MON]\n#A B\n5 1\n#\n", L"2|||5=0,|301,"},
        {"caption words end at any white space", L"[MON]\n#\x3000平日\x3000上り 下り\n5 1\n",
         L"2|平日|上り|5=0,|301,"},
        {"headerless departures take the days of the next header", L"$X:\n#C\n5 1\n[SAT]\n6 2\n",
         L"64|C||5=0,6=1,|301,362,"},
        {"empty section dropped", L"[MON]\n[SUN]\n5 1\n", L"1|||5=0,|301,"},
        {"trailing header yields nothing", L"[MON]\n5 1\n[SAT]\n", L"2|||5=0,|301,"},
        {"trailing caption", L"[MON]\n5 1\n#End\n", L"2|End||5=0,|301,"},
        {"hours after midnight", L"[MON]\n3 0 59\n0 0 59\n1 0\n2 0 59\n",
         L"2|||3=0,24=2,25=4,26=5,|180,239,1440,1499,1500,1560,1619,"},
        {"24 and 0 share a slot", L"[MON]\n24 5\n0 5\n", L"2|||24=1,|1445,1445,"},
        {"hour line without departures", L"[MON]\n5\n6 1\n", L"2|||5=0,6=0,|361,"},
        {"repeated hour overwrites", L"[MON]\n5 1\n5 2\n", L"2|||5=1,|301,302,"},
        {"white space after a space is skipped", L"[MON]\n5 \x3000\t10 \x3000 a20\n",
         L"2|||5=0,|310,a320,"},
        {"marks and digits", L"[MON]\n5 05 ab7 -9 x-3 05x 123\n",
         L"2|||5=0,|305,ab307,-309,x-303,305,423,"},
        {"token without digit yields nothing", L"[MON]\n5 a 10 ** b\n", L"2|||5=0,|310,"},
        {"marks cut at 15", L"[MON]\n5 abcdefghijklmnopq1\n", L"2|||5=0,|abcdefghijklmno301,"},
        {"hour outside the slots is skipped", L"[MON]\n99 10\n32 1\n-30 1\n5 1\n",
         L"2|||5=0,|301,"},
        {"no leading number is hour 0", L"[MON]\nx 10\n", L"2|||24=0,|1450,"},
        {"time beyond 16 bits is skipped", L"[MON]\n5 99999 32467 32468 10\n",
         L"2|||5=0,|32767,310,"},
        {"comments and blank lines", L"[MON]\n;5 1\n\n  5 1  \n", L"2|||5=0,|301,"},
        {"legend-looking lines are hour lines", L"[MON]\na:Rapid\n", L""},
        {"day change at -1", L"[MON]\n0 1\n5 1\n8 1\n", L"2|||0=0,5=1,8=2,|1,301,481,", -1},
        {"day change at 0", L"[MON]\n0 1\n5 1\n8 1\n", L"2|||5=1,8=2,24=0,|1441,301,481,", 0},
        {"day change at 7", L"[MON]\n0 1\n5 1\n8 1\n", L"2|||8=2,24=0,29=1,|1441,1741,481,", 7},
        {"day change at 8: hour 8 would be 32", L"[MON]\n0 1\n5 1\n8 1\n",
         L"2|||24=0,29=1,|1441,1741,", 8},
    };
    for (const BlockCase& c : cases) {
        EXPECT_EQ(SectionsText(LoadText(c.file, c.dayChgHour)), c.expected) << c.name;
    }
}

// The parser splits lines itself; whatever mix of line ends a file has, it must see the lines
// the shared line reader sees, also across the reader's 1024-byte blocks.
TEST_F(TimetableParserTest, SplitsLinesAsTheLineReaderDoes) {
    const std::vector<std::string> ends = {"\r\n", "\n\r", "\r", "\n", "\xFF", "\r\r\n", "\xFF\n"};
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::string bytes = "[MON]\n";
        for (int k = 0; k < 400; ++k) {
            bytes += "5 " + std::to_string(random() % 60) + ends[random() % ends.size()];
        }
        const std::wstring path = dir_.File(L"t.tbl");
        WriteBytes(path, bytes);

        CSJisFile file;
        ASSERT_TRUE(file.Open(path, CSJisFile::Mode::Read));
        std::wstring line;
        std::wstring departures;
        int hourLines = 0;
        while (file.ReadString(line)) {
            if (line.starts_with(L"5 ")) {
                departures += std::to_wstring(300 + std::stoi(line.substr(2))) + L",";
                ++hourLines;
            }
        }
        EXPECT_EQ(SectionsText(LoadFile(path, 2)),
                  L"2|||5=" + std::to_wstring(hourLines - 1) + L",|" + departures)
            << round;
    }
}

TEST_F(TimetableParserTest, BadInputLoadsWithWhatTheRulesGive) {
    // A NUL cuts its line; malformed Shift-JIS becomes replacement characters.
    EXPECT_EQ(SectionsText(LoadBytes(std::string("[MON]\n5 1\0 2\n6 3", 16))),
              L"2|||5=0,6=1,|301,363,");
    EXPECT_EQ(SectionsText(LoadBytes("[MON]\n5 \x85\x40"
                                     "1 \x81\n")),
              L"2|||5=0,|\xFFFD@301,");

    // A 1 MB hour line: read whole, the section stops at what hourIndex can address.
    std::string huge = "[MON]\n5";
    while (huge.size() < (1u << 20)) {
        huge += " 1";
    }
    const Timetable& big = LoadBytes(huge + "\n6 2\n");
    ASSERT_EQ(big.sections.size(), 1u);
    EXPECT_EQ(big.sections[0].departures.size(), 32767u);
    EXPECT_EQ(big.sections[0].hourIndex[6], 32767);
}

TEST_F(TimetableParserTest, FiftyThousandDeparturesOverSeveralSections) {
    std::string file;
    for (int section = 0; section < 5; ++section) {
        file += section % 2 == 0 ? "[MON]\n" : "[SUN]\n";
        for (int hour = 5; hour < 15; ++hour) {
            file += std::to_string(hour);
            for (int k = 0; k < 1000; ++k) {
                file += " a" + std::to_string(k % 60);
            }
            file += "\n";
        }
    }
    const Timetable& t = LoadBytes(file);
    ASSERT_EQ(t.sections.size(), 5u);
    for (const DaySection& s : t.sections) {
        EXPECT_EQ(s.departures.size(), 10000u);
        EXPECT_EQ(s.hourIndex[14], 9000);
        EXPECT_EQ(s.departures.back().time, 14 * 60 + 999 % 60);
    }
}

TEST_F(TimetableParserTest, BinaryGarbageLoadsWithSaneIndexes) {
    std::mt19937 random(12345);
    std::string bytes(1 << 16, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(random() % 256);
    }
    for (const std::string& prefix :
         {std::string(), std::string("[MON]\n"), std::string("$:\n#\n")}) {
        const Timetable& t = LoadBytes(prefix + bytes);
        for (const DaySection& s : t.sections) {
            EXPECT_FALSE(s.departures.empty());
            EXPECT_NE(s.dayMask, 0);
            for (const int index : s.hourIndex) {
                EXPECT_GE(index, -1);
                EXPECT_LE(index, static_cast<int>(s.departures.size()));
            }
        }
    }
}

TEST_F(TimetableParserTest, LoadReplacesOnlyTheFileContent) {
    timetable_.displayMode = DisplayMode::ViewMoment;
    timetable_.viewMoment = Moment(45000.5);
    timetable_.nextIndex = 7;
    timetable_.viewIndex = 3;
    timetable_.autoDay = false;
    timetable_.dayType = 4;
    const std::wstring path = dir_.File(L"sub/x.tbl");
    WriteSJisFile(path, L";T\na:A\n$S:\n[MON]\n5 1\n");
    ASSERT_TRUE(timetable_.LoadTimetable(path));
    EXPECT_EQ(timetable_.path, path);
    EXPECT_EQ(timetable_.folder, dir_.File(L"sub/"));
    EXPECT_EQ(timetable_.displayMode, DisplayMode::ViewMoment);
    EXPECT_EQ(timetable_.viewMoment, Moment(45000.5));
    EXPECT_EQ(timetable_.nextIndex, 7);
    EXPECT_EQ(timetable_.viewIndex, 3);
    EXPECT_FALSE(timetable_.autoDay);
    EXPECT_EQ(timetable_.dayType, 4);

    // A second load replaces everything the first one read.
    LoadText(L";U\n");
    EXPECT_EQ(timetable_.title, L"U");
    EXPECT_TRUE(timetable_.legend.empty());
    EXPECT_TRUE(timetable_.arrivals.empty());
    EXPECT_TRUE(timetable_.sections.empty());
}

TEST_F(TimetableParserTest, UnreadableFileLeavesEverythingAsItWas) {
    LoadText(L";Kept\na:A\n$S:\n[MON]\n5 1\n");
    const std::wstring keptPath = timetable_.path;
    EXPECT_FALSE(timetable_.LoadTimetable(dir_.File(L"missing.tbl")));
    EXPECT_FALSE(timetable_.LoadTimetable(dir_.Root()));  // a folder opens but cannot be read
    EXPECT_FALSE(timetable_.LoadTimetable(L""));
    EXPECT_EQ(timetable_.title, L"Kept");
    EXPECT_EQ(timetable_.legend.size(), 1u);
    EXPECT_EQ(timetable_.arrivals.size(), 1u);
    EXPECT_EQ(timetable_.sections.size(), 1u);
    EXPECT_EQ(timetable_.path, keptPath);
}

TEST(TimetableParserFolderTest, FolderEndsAtTheLastSeparatorOfEitherKind) {
    const std::vector<std::pair<std::wstring, std::wstring>> cases = {
        {L"/data/line/x.tbl", L"/data/line/"},
        {L"C:\\data\\x.tbl", L"C:\\data\\"},
        {L"/data/sub\\x.tbl", L"/data/sub\\"},
        {L"x.tbl", L""},
        {L"/", L"/"},
    };
    for (const auto& [path, folder] : cases) {
        EXPECT_EQ(TimetableParser::FolderOf(path), folder) << wtext::WideToUtf8(path);
    }
}

}  // namespace
