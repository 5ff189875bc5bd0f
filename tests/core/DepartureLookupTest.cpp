// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

namespace {

// December 2026: the 5th is a Saturday, the 6th a Sunday, the 7th a Monday.
Moment At(int day, int hour, int minute, int second = 0) {
    return Moment::FromFields(2026, 12, day, hour, minute, second);
}

constexpr std::uint8_t kWeekdays = 0x3E;
constexpr std::uint8_t kSunday = 0x01;
constexpr std::uint8_t kSaturday = 0x40;
constexpr std::uint8_t kHoliday = 0x80;

constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlue = 0xFF0000;

DaySection Section(std::uint8_t mask, std::vector<Departure> departures,
                   std::vector<std::pair<int, std::int16_t>> hours) {
    DaySection section;
    section.dayMask = mask;
    section.departures = std::move(departures);
    for (const auto& [slot, first] : hours) {
        section.hourIndex[static_cast<std::size_t>(slot)] = first;
    }
    return section;
}

// A timetable as the parser leaves it with a day-change hour of 2: hours 0 to 2 count from 24.
class DepartureLookupTest : public ::testing::Test {
protected:
    DepartureLookupTest() {
        settings.dayChgHour = 2;
        table.legend[L'a'] = {L'a', L"Rapid Central", L"Rapid"};
        table.legend[L'b'] = {L'b', L"Local", L"Local"};
        table.legend[L'c'] = {L'c', L"Express", L""};
        // An empty hour 22 line shares its first index with hour 23.
        table.sections.push_back(Section(kWeekdays,
                                         {{L"", 310},
                                          {L"a", 325},
                                          {L"b", 340},
                                          {L"", 1385},
                                          {L"a", 1410},
                                          {L"b", 1455},
                                          {L"", 1575}},
                                         {{5, 0}, {22, 3}, {23, 3}, {24, 5}, {26, 6}}));
        table.sections.push_back(
            Section(kSunday, {{L"", 360}, {L"", 390}, {L"", 1545}}, {{6, 0}, {25, 2}}));
        table.sections.push_back(Section(kSaturday, {{L"", 420}}, {{7, 0}}));
    }

    AppSettings settings;
    ColorTable colors;
    HolidayCalendar holidays;
    Timetable table{settings, colors, holidays};
};

TEST_F(DepartureLookupTest, FindsTheSectionAndTheNextDeparture) {
    struct Case {
        const char* name;
        Moment moment;
        DayType dayType;
        int result;
    };
    const std::vector<Case> cases = {
        {"Monday morning", At(7, 5, 0), 2, 0},
        {"a departure is next through the first second of its minute", At(7, 5, 25, 0), 2, 1},
        {"and gives way one second later", At(7, 5, 25, 1), 2, 2},
        {"before midnight the hour-24 departure is next", At(7, 23, 59), 2, 5},
        {"after midnight the hour counts from 24", At(8, 0, 20), 2, 6},
        {"01:30 Monday is still Sunday's night, hour 25", At(7, 1, 30), 1, 2},
        // The day-change hour goes on with the ending day while it has trains to come.
        {"02:10 Tuesday is Monday's night while its 26:15 is to come", At(8, 2, 10), 2, 6},
        {"02:10 Monday: Sunday's night is over, Monday's first is next", At(7, 2, 10), 2, 0},
        {"after the last departure the first is next", At(7, 2, 30), 2, 0},
        {"Saturday", At(5, 6, 0), 7, 0},
        {"Saturday night, past the day's only departure", At(5, 23, 0), 7, 0},
        {"the night before the epoch's Saturday is a Friday",
         Moment::FromFields(1899, 12, 30, 1, 30, 0), 6, 6},
    };
    for (const Case& c : cases) {
        table.nextIndex = 99;
        EXPECT_EQ(table.FindNextDeparture(c.moment, true), c.result) << c.name;
        EXPECT_EQ(table.nextIndex, c.result) << c.name;
        EXPECT_EQ(table.dayType, c.dayType) << c.name;
        EXPECT_EQ(table.currentMoment, c.moment) << c.name;
        EXPECT_EQ(table.viewMoment, c.moment) << c.name;
    }
}

// Out of real time the view stays where it was put; once its day is over it moves on to the
// same time of the new day, whose section is then on show.
TEST_F(DepartureLookupTest, TheViewStaysUntilItsDayIsOver) {
    table.FindNextDeparture(At(11, 22, 0), true);  // Friday
    ASSERT_EQ(table.FindViewDeparture(At(11, 23, 10)), 4);
    EXPECT_EQ(table.FindNextDeparture(At(12, 2, 10), false), 6);  // Friday's 26:15 to come
    EXPECT_EQ(table.viewMoment, At(11, 23, 10));
    EXPECT_EQ(table.dayType, 6);

    EXPECT_EQ(table.FindNextDeparture(At(12, 2, 20), false), 0);
    EXPECT_EQ(table.viewMoment, At(12, 23, 10));
    EXPECT_EQ(table.dayType, 7);
    EXPECT_EQ(table.FindSection(), &table.sections[2]);

    // A view of a later day shows that day, counting down from now.
    table.FindNextDeparture(At(11, 23, 0), true);
    ASSERT_EQ(table.FindViewDeparture(At(12, 6, 30)), 0);
    EXPECT_EQ(table.dayType, 7);
    EXPECT_EQ(table.FindNextDeparture(At(11, 23, 30), false), 0);
    RowInfo row;
    ASSERT_TRUE(table.GetRowInfo(0, row));
    EXPECT_EQ(row.seconds, (7 * 60 + 30) * 60);
    EXPECT_EQ(table.MomentOfMinute(row.time), At(12, 7, 0));
}

TEST_F(DepartureLookupTest, HolidaysAndForcedDays) {
    holidays.Set(1207, L"Test day");

    // A holiday never falls back to the Sunday section.
    table.nextIndex = 4;
    EXPECT_EQ(table.FindNextDeparture(At(7, 10, 0), true), -1);
    EXPECT_EQ(table.dayType, kHolidayDayType);
    EXPECT_EQ(table.nextIndex, 4);
    EXPECT_EQ(table.FindSection(), nullptr);
    RowInfo row;
    EXPECT_FALSE(table.GetRowInfo(0, row));
    RowMarkNames names;
    EXPECT_FALSE(table.GetRowMarkNames(0, names));
    table.viewIndex = 5;
    EXPECT_EQ(table.FindViewDeparture(At(7, 10, 0)), -1);
    EXPECT_EQ(table.viewIndex, 5);

    // The holiday is the shifted day's: 01:30 on the 8th still belongs to the 7th.
    EXPECT_EQ(table.FindNextDeparture(At(8, 1, 30), true), -1);
    // At 02:00 nothing of the holiday is left to run: Tuesday's first train is next.
    EXPECT_EQ(table.FindNextDeparture(At(8, 2, 0), true), 0);
    EXPECT_EQ(table.dayType, 3);

    // A forced Saturday wins over the holiday, and survives later searches.
    table.SetForcedDay(7);
    EXPECT_EQ(table.FindNextDeparture(At(7, 6, 0), true), 0);
    EXPECT_EQ(table.dayType, 7);
    EXPECT_EQ(table.FindSection(), &table.sections[2]);

    table.SetForcedDay(0);
    EXPECT_TRUE(table.autoDay);
    EXPECT_EQ(table.FindNextDeparture(At(7, 6, 0), true), -1);

    // With a section serving holidays, it is the one shown.
    table.sections.push_back(Section(kHoliday, {{L"", 600}}, {{10, 0}}));
    EXPECT_EQ(table.FindNextDeparture(At(7, 6, 0), true), 0);
    EXPECT_EQ(table.FindSection(), &table.sections[3]);
}

TEST_F(DepartureLookupTest, AnInvalidMomentMatchesNoSection) {
    table.nextIndex = 3;
    EXPECT_EQ(table.FindNextDeparture(Moment::Invalid(), true), -1);
    EXPECT_EQ(table.dayType, -1);
    EXPECT_EQ(table.nextIndex, 3);

    // With a forced day the search still runs and stays within the section.
    table.SetForcedDay(2);
    const int next = table.FindNextDeparture(Moment::Invalid(), false);
    EXPECT_GE(next, 0);
    EXPECT_LT(next, 7);
    RowInfo row;
    EXPECT_TRUE(table.GetRowInfo(next, row));
}

TEST_F(DepartureLookupTest, FindViewDepartureFallsBackToTheMorning) {
    struct Case {
        const char* name;
        DayType day;
        Moment moment;
        int result;
    };
    const std::vector<Case> cases = {
        {"morning", 2, At(7, 5, 30), 2},
        {"exactly at a departure", 2, At(7, 5, 40), 2},
        {"late night finds hour 26", 2, At(8, 1, 30), 6},
        {"past the last departure late at night: the first departure", 7, At(6, 1, 30), 0},
        {"past the last departure in the evening: nothing", 7, At(5, 23, 0), -1},
        {"the Sunday night departure of hour 25", 1, At(7, 1, 30), 2},
    };
    for (const Case& c : cases) {
        table.SetForcedDay(c.day);
        table.viewIndex = 42;
        EXPECT_EQ(table.FindViewDeparture(c.moment), c.result) << c.name;
        EXPECT_EQ(table.viewIndex, c.result) << c.name;
        EXPECT_EQ(table.viewMoment, c.moment) << c.name;
    }
}

TEST_F(DepartureLookupTest, LabelsOfTheThreeDisplayModes) {
    table.FindNextDeparture(At(7, 5, 20), false);  // next is index 1
    table.FindViewDeparture(At(7, 23, 10));        // view is index 4
    struct Case {
        DisplayMode mode;
        std::vector<std::wstring> labels;  // rows 0 to 6
    };
    const std::wstring blank = L"　　　";
    const std::vector<Case> cases = {
        {DisplayMode::RealTime, {blank, L"先　発", L"次　発", L"次々発", blank, blank, blank}},
        {DisplayMode::HourBlocks,
         {L"05時台", blank, blank, L"22時台", blank, L"24時台", L"26時台"}},
        {DisplayMode::ViewMoment, {blank, blank, blank, blank, L">23:10", blank, blank}},
    };
    for (const Case& c : cases) {
        table.displayMode = c.mode;
        for (int i = 0; i < 7; ++i) {
            RowInfo row;
            ASSERT_TRUE(table.GetRowInfo(i, row));
            EXPECT_EQ(row.label, c.labels[static_cast<std::size_t>(i)])
                << "mode " << static_cast<int>(c.mode) << " row " << i;
        }
    }
}

TEST_F(DepartureLookupTest, SecondsAndDistanceOfEachRow) {
    table.FindNextDeparture(At(7, 23, 10, 30), false);  // next is 23:30, index 4
    struct Case {
        int index;
        int time;
        int seconds;
        int distance;
    };
    const std::vector<Case> cases = {
        {0, 310, -1, 4},    {2, 340, -1, 2},     {3, 1385, -330, 1},  // the train that left last
        {4, 1410, 1170, 0}, {5, 1455, 3870, -1}, {6, 1575, 11070, -2},
    };
    for (const Case& c : cases) {
        RowInfo row;
        ASSERT_TRUE(table.GetRowInfo(c.index, row)) << c.index;
        EXPECT_EQ(row.time, c.time) << c.index;
        EXPECT_EQ(row.seconds, c.seconds) << c.index;
        EXPECT_EQ(row.distance, c.distance) << c.index;
    }
    RowInfo row;
    EXPECT_FALSE(table.GetRowInfo(7, row));
    EXPECT_FALSE(table.GetRowInfo(-1, row));
}

TEST_F(DepartureLookupTest, CountdownsAroundTheDayChange) {
    struct Case {
        const char* name;
        Moment moment;
        int index;
        int seconds;
    };
    const std::vector<Case> cases = {
        {"at the second of departure", At(7, 5, 25, 0), 1, 0},
        {"01:30 Monday towards Sunday's 25:45", At(7, 1, 30), 2, 15 * 60},
        {"02:10 Tuesday towards Monday's 26:15", At(8, 2, 10), 6, 5 * 60},
        // Not the 26:15 of the night to come, a day away: Monday's first train.
        {"02:10 Monday towards its 05:10", At(7, 2, 10), 0, 3 * 3600},
        {"after the last departure the first one is gone", At(5, 23, 0), 0, -16 * 3600},
        {"and stays gone until the day changes", At(6, 1, 0), 0, -18 * 3600},
        {"02:00:30 Tuesday towards Monday's 26:15", At(8, 2, 0, 30), 6, 15 * 60 - 30},
    };
    for (const Case& c : cases) {
        table.SetForcedDay(0);
        ASSERT_EQ(table.FindNextDeparture(c.moment, true), c.index) << c.name;
        RowInfo row;
        ASSERT_TRUE(table.GetRowInfo(c.index, row)) << c.name;
        EXPECT_EQ(row.label, L"先　発") << c.name;
        EXPECT_EQ(row.seconds, c.seconds) << c.name;
    }
}

TEST_F(DepartureLookupTest, NotesAndColorsFromTheLegend) {
    colors.Set(L"Rapid Central", kRed);
    colors.Set(L"Local", kBlue);
    constexpr ColorRef kCallers = 0x123456;
    struct Case {
        const char* name;
        std::wstring marks;
        bool shortMark;
        std::wstring note;
        ColorRef color;
    };
    const std::vector<Case> cases = {
        {"no marks", L"", false, L"", kCallers},
        {"one mark", L"a", false, L"Rapid Central ", kRed},
        {"short names", L"a", true, L"Rapid ", kRed},
        {"the last coloured mark wins", L"ab", false, L"Rapid Central Local ", kBlue},
        {"an uncoloured mark keeps the colour", L"bc", false, L"Local Express ", kBlue},
        {"a mark outside the legend adds nothing", L"xa?", false, L"Rapid Central ", kRed},
        {"an empty short name is a space", L"c", true, L" ", kCallers},
    };
    table.SetForcedDay(2);
    for (const Case& c : cases) {
        table.sections[0].departures[0].marks = c.marks;
        settings.shortMark = c.shortMark ? 1 : 0;
        RowInfo row;
        row.note = L"left over";
        row.color = kCallers;
        ASSERT_TRUE(table.GetRowInfo(0, row)) << c.name;
        EXPECT_EQ(row.note, c.note) << c.name;
        EXPECT_EQ(row.color, c.color) << c.name;
    }
}

TEST_F(DepartureLookupTest, MarkNamesOfARow) {
    colors.Set(L"Local", kBlue);
    struct Case {
        std::wstring marks;
        RowMarkNames expected;
    };
    const std::vector<Case> cases = {
        {L"", {}},
        {L"xb", {L"Local", kBlue, L"", 0}},
        {L"a?bc", {L"Rapid Central", 0, L"Local", kBlue}},
        {L"cab", {L"Express", 0, L"Rapid Central", 0}},
    };
    settings.shortMark = 1;  // names are always the long ones
    table.SetForcedDay(2);
    for (const Case& c : cases) {
        table.sections[0].departures[0].marks = c.marks;
        RowMarkNames names{L"old", 7, L"old", 7};
        ASSERT_TRUE(table.GetRowMarkNames(0, names));
        EXPECT_EQ(names.name1, c.expected.name1);
        EXPECT_EQ(names.color1, c.expected.color1);
        EXPECT_EQ(names.name2, c.expected.name2);
        EXPECT_EQ(names.color2, c.expected.color2);
    }
    RowMarkNames names;
    EXPECT_FALSE(table.GetRowMarkNames(7, names));
}

}  // namespace
