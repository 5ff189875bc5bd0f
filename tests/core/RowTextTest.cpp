// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/RowText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/AppSettings.h"

namespace {

TEST(RowTextTest, CountdownInBothSetsOfFormats) {
    struct Case {
        int seconds;
        int distance;
        int countDown;
        CountdownFormat format;
        std::wstring longText;
        std::wstring shortText;
    };
    const std::vector<Case> cases = {
        {179, 0, 3, CountdownFormat::MinutesSeconds, L"あと2分59秒", L"02.59s"},
        {180, 0, 3, CountdownFormat::Minutes, L"あと   03分", L"00:03 "},
        {3725, 0, 3, CountdownFormat::HoursMinutes, L" 01時間02分", L"01:02 "},
        {42, 0, 3, CountdownFormat::Seconds, L"あと   42秒", L"00.42s"},
        {0, 0, 3, CountdownFormat::Seconds, L"あと   00秒", L"00.00s"},
        {60, 2, 3, CountdownFormat::MinutesSeconds, L"あと1分00秒", L"01.00s"},
        {3599, -3, 3, CountdownFormat::Minutes, L"あと   59分", L"00:59 "},
        {86700, -1, 3, CountdownFormat::HoursMinutes, L" 24時間05分", L"24:05 "},
        // A long CountDown keeps minutes and seconds past the hour.
        {3600, 0, 90, CountdownFormat::MinutesSeconds, L"あと60分00秒", L"60.00s"},
        {5400, 0, 90, CountdownFormat::HoursMinutes, L" 01時間30分", L"01:30 "},
        {90, 0, 0, CountdownFormat::Minutes, L"あと   01分", L"00:01 "},
        // Gone, and not the train that left last: blanks.
        {-1, 0, 3, CountdownFormat::Gone, std::wstring(11, L' '), std::wstring(6, L' ')},
        {-1, 4, 3, CountdownFormat::Gone, std::wstring(11, L' '), std::wstring(6, L' ')},
        {-600, -1, 3, CountdownFormat::Gone, std::wstring(11, L' '), std::wstring(6, L' ')},
        // The train that left last shows the time since.
        {-75, 1, 3, CountdownFormat::LeftRecently, L"    1分15秒", L"01.15s"},
        {-179, 1, 3, CountdownFormat::LeftRecently, L"    2分59秒", L"02.59s"},
        {-180, 1, 3, CountdownFormat::LeftMinutes, L"      003分", L"00:03 "},
        {-7260, 1, 3, CountdownFormat::LeftMinutes, L"      121分", L"00:121 "},
        {-10, 1, 0, CountdownFormat::LeftMinutes, L"      000分", L"00:00 "},
        // Past the day-change hour the row above the next night's departure is still to come;
        // its "elapsed" time is negative and divides toward zero.
        {90, 1, 3, CountdownFormat::LeftRecently, L"    -1分-30秒", L"-1.-30s"},
        {79500, 1, 3, CountdownFormat::LeftRecently, L"    -1325分00秒", L"-1325.00s"},
    };
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.seconds) + " s, distance " +
                                 std::to_string(c.distance) + ", CountDown " +
                                 std::to_string(c.countDown);
        EXPECT_EQ(ChooseCountdownFormat(c.seconds, c.distance, c.countDown), c.format) << name;
        EXPECT_EQ(CountdownText(c.seconds, c.distance, c.countDown, 0), c.longText) << name;
        EXPECT_EQ(CountdownText(c.seconds, c.distance, c.countDown, 1), c.shortText) << name;
        EXPECT_EQ(CountdownText(c.seconds, c.distance, c.countDown, -5), c.shortText) << name;
    }
}

TEST(RowTextTest, RowTextsOfDeparturesAndSpareRows) {
    AppSettings settings;
    settings.countDown = 3;
    // What the row draws, and what a screen reader says for it.
    struct Case {
        RowInfo row;
        int shortTimeLeft;
        std::wstring text;
        std::wstring spoken;
    };
    const std::vector<Case> cases = {
        {{L"先　発", 325, 179, L"Rapid ", 0, 0},
         0,
         L"先　発 05:25 あと2分59秒 ",
         L"先発 05:25 あと2分59秒 Rapid"},
        {{L"次　発", 340, 1079, L"", 0, -1}, 1, L"次　発 05:40 00:17  ", L"次発 05:40 00:17"},
        {{L"　　　", 310, -900, L"快速  南台行 ", 0, 1},
         0,
         L"　　　 05:10       015分 ",
         L"05:10 015分 快速 南台行"},
        {{L"　　　", 300, -1, L"", 0, 5},
         0,
         L"　　　 05:00 " + std::wstring(11, L' ') + L" ",
         L"05:00"},
        {{L"24時台", 1455, 4000, L"", 0, -2}, 1, L"24時台 24:15 01:06  ", L"24時台 24:15 01:06"},
        {{L">01:30", 1575, 86700, L"", 0, 0},
         0,
         L">01:30 26:15  24時間05分 ",
         L">01:30 26:15 24時間05分"},
        {{L"先　発", 1575, 42, L"", 0, 0}, 0, L"先　発 26:15 あと   42秒 ", L"先発 26:15 あと42秒"},
    };
    for (const Case& c : cases) {
        settings.shortTimeLeft = c.shortTimeLeft;
        EXPECT_EQ(RowText(c.row, settings), c.text);
        EXPECT_EQ(SpokenRowText(c.row, settings), c.spoken);
    }

    // The note is the caller's to append: it never enters the row text.
    settings.shortTimeLeft = 1;
    std::wstring reused = L"a much longer text left over from the row drawn before this one";
    BuildRowText(reused, cases[0].row, settings, BoardWords{});
    EXPECT_EQ(reused, L"先　発 05:25 02.59s ");

    EXPECT_EQ(BlankRowText(), L"　　　 --:--");
    EXPECT_EQ(SpokenBlankRowText(), L"--:--");
}

}  // namespace
