// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ClockText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "timetable/Moment.h"

namespace {

// Monday 7 December 2026, 09:05:03.
MomentFields Monday() {
    return Moment::FromFields(2026, 12, 7, 9, 5, 3).Fields();
}

TEST(ClockTextTest, DateFormatsWithTheirDayNames) {
    struct Case {
        int clock;
        std::wstring text;
    };
    const std::vector<Case> cases = {
        {0, L"2026年12月07日(月)"},
        {1, L"2026/12/07(Mon)"},
        {2, L"26/12/07(Mon)"},
        {3, L"12/07(Mon)"},
        {4, L"2026年12月07日"},
        {5, L"2026/12/07"},
        {6, L"26/12/07"},
        {7, L"12/07"},
        // A hand-edited settings file: unknown formats show the default one.
        {8, L"2026年12月07日(月)"},
        {-1, L"2026年12月07日(月)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clocktext::DateText(c.clock, Monday()), c.text) << "Clock " << c.clock;
    }
}

TEST(ClockTextTest, DayNamesRunFromSunday) {
    const std::vector<std::wstring> japanese = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};
    const std::vector<std::wstring> english = {L"Sun", L"Mon", L"Tue", L"Wed",
                                               L"Thu", L"Fri", L"Sat"};
    for (std::size_t i = 0; i < 7; ++i) {
        // 6 December 2026 is a Sunday.
        const MomentFields day =
            Moment::FromFields(2026, 12, 6 + static_cast<int>(i), 0, 0, 0).Fields();
        const std::wstring ja = clocktext::DateText(0, day);
        const std::wstring en = clocktext::DateText(3, day);
        EXPECT_EQ(ja.substr(ja.find(L'(')), L"(" + japanese[i] + L")");
        EXPECT_EQ(en.substr(en.find(L'(')), L"(" + english[i] + L")");
    }
}

TEST(ClockTextTest, TimeAndSecondsFormats) {
    struct Case {
        int clock2;
        std::wstring time;
        std::wstring seconds;
    };
    const std::vector<Case> cases = {
        {0, L"09時05分", L"03秒"}, {1, L"09:05", L":03"},  {2, L"09:05", L""},
        {3, L"09:05", L":03"},     {-7, L"09:05", L":03"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clocktext::TimeText(c.clock2, Monday()), c.time) << "Clock2 " << c.clock2;
        EXPECT_EQ(clocktext::SecondsText(c.clock2, Monday()), c.seconds) << "Clock2 " << c.clock2;
    }
}

TEST(ClockTextTest, SingleLineSpaceFacesTheTime) {
    EXPECT_EQ(clocktext::SingleLineDate(L"12/07", false), L"12/07 ");
    EXPECT_EQ(clocktext::SingleLineDate(L"12/07", true), L" 12/07");
}

TEST(ClockTextTest, SecondsFontHasAFloorOfEightPoints) {
    EXPECT_EQ(clocktext::SecondsFontSize(95), 80);
    EXPECT_EQ(clocktext::SecondsFontSize(150), 100);
    EXPECT_EQ(clocktext::SecondsFontSize(121), 80);
    EXPECT_EQ(clocktext::SecondsFontSize(122), 81);
}

TEST(ClockTextTest, TwoLinesAddTheSmallerFontHeightPlusTwo) {
    const int oneLine = clocktext::RequiredHeight(clocktext::UpperContentHeight(13, 20, false), 13);
    const int twoLines = clocktext::RequiredHeight(clocktext::UpperContentHeight(13, 20, true), 13);
    EXPECT_EQ(oneLine, 20 + 13 + 8);
    EXPECT_EQ(twoLines - oneLine, 13 + 2);
}

}  // namespace
