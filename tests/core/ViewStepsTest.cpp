// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/ViewSteps.h"

#include <gtest/gtest.h>

#include <optional>

#include "TextTimetable.h"

namespace {

// 7 December 2026 is a Monday.
Moment Dec(int day, int hour, int minute) {
    return Moment::FromFields(2026, 12, day, hour, minute, 0);
}

// Weekdays: 11 o'clock has no train, and the night runs on to 01:05. Saturdays: two morning
// trains and one at 02:30 of the night after. No trains on Sundays.
class ViewStepsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(file_.loaded); }

    // Minutes of the timetable day of departure `index`.
    int TimeOf(int index) const { return timetable_.FindSection()->DepartureAt(index).time; }

    TextTimetable file_{
        L";t\n[MON][TUE][WED][THU][FRI]\n#Weekdays\n9 10 40\n10 05\n12 30\n23 50\n0 20\n1 05\n"
        L"[SAT]\n#Saturday\n7 15 45\n2 30\n"};
    Timetable& timetable_ = file_.timetable;
};

TEST_F(ViewStepsTest, StepsGoToTheNearestHourWithDepartures) {
    struct Case {
        const char* name;
        Moment view;
        bool later;
        Moment reached;
        int firstDeparture;  // minutes of the timetable day
    };
    const Case cases[] = {
        {"inside an hour, earlier goes to its top", Dec(7, 10, 25), false, Dec(7, 10, 0), 605},
        {"at the top, earlier goes an hour back", Dec(7, 10, 0), false, Dec(7, 9, 0), 550},
        {"an hour without trains is skipped going back", Dec(7, 12, 0), false, Dec(7, 10, 0), 605},
        {"and going on", Dec(7, 10, 5), true, Dec(7, 12, 0), 750},
        {"past midnight the night's hours follow", Dec(7, 23, 30), true, Dec(8, 0, 0), 1460},
        {"up to the last of them", Dec(8, 0, 0), true, Dec(8, 1, 0), 1505},
        {"and then the next morning", Dec(8, 1, 0), true, Dec(8, 9, 0), 550},
    };
    for (const Case& c : cases) {
        timetable_.FindNextDeparture(c.view, true);
        const auto step = FindHourStep(timetable_, c.later);
        ASSERT_TRUE(step.has_value()) << c.name;
        EXPECT_EQ(step->moment, c.reached) << c.name;
        EXPECT_EQ(TimeOf(step->index), c.firstDeparture) << c.name;
    }
}

// Friday night after its last train: later goes on to Saturday's trains, with their real
// countdowns, and from Saturday's last hour to its night, past the day-change hour.
TEST_F(ViewStepsTest, PastTheLastHourOfTheNightComesTheNextDay) {
    timetable_.FindNextDeparture(Dec(12, 1, 30), true);
    ASSERT_EQ(timetable_.FindSection()->caption1, L"Weekdays");
    struct Reached {
        Moment moment;
        int firstDeparture;
        int secondsLeft;
    };
    const Reached walk[] = {
        {Dec(12, 7, 0), 7 * 60 + 15, (5 * 60 + 45) * 60},
        {Dec(13, 2, 0), 26 * 60 + 30, 25 * 3600},
    };
    for (const Reached& r : walk) {
        const auto step = FindHourStep(timetable_, true);
        ASSERT_TRUE(step.has_value());
        EXPECT_EQ(step->moment, r.moment);
        ASSERT_EQ(timetable_.FindViewDeparture(step->moment), step->index);
        EXPECT_EQ(timetable_.FindSection()->caption1, L"Saturday");
        RowInfo row;
        ASSERT_TRUE(timetable_.GetRowInfo(step->index, row));
        EXPECT_EQ(row.time, r.firstDeparture);
        EXPECT_EQ(row.seconds, r.secondsLeft);
    }
    // Back over the day change to the night still running.
    const auto back = FindHourStep(timetable_, false);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->moment, Dec(12, 7, 0));
    timetable_.FindViewDeparture(back->moment);
    const auto night = FindHourStep(timetable_, false);
    ASSERT_TRUE(night.has_value());
    EXPECT_EQ(night->moment, Dec(12, 1, 0));
    timetable_.FindViewDeparture(night->moment);
    EXPECT_EQ(TimeOf(night->index), 25 * 60 + 5);
}

TEST_F(ViewStepsTest, ADayWithoutDeparturesHasNoEarlierHourToGoTo) {
    timetable_.FindNextDeparture(Dec(13, 10, 0), true);  // Sunday
    EXPECT_FALSE(FindHourStep(timetable_, false).has_value());
    // Later, Monday's first trains.
    const auto step = FindHourStep(timetable_, true);
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->moment, Dec(14, 9, 0));
}

TEST_F(ViewStepsTest, ThePreviousDepartureFallsOnItsCalendarDay) {
    struct Case {
        const char* name;
        Moment view;
        int topRow;
        std::optional<Moment> expected;
    };
    const Case cases[] = {
        {"in the day", Dec(7, 10, 25), 3, Dec(7, 10, 5)},
        {"after midnight, from the evening", Dec(7, 23, 55), 6, Dec(8, 0, 20)},
        {"after midnight, from the night", Dec(8, 0, 30), 6, Dec(8, 0, 20)},
        {"at the top of the list", Dec(7, 10, 25), 0, std::nullopt},
        {"below the last departure", Dec(7, 10, 25), 8, std::nullopt},
    };
    for (const Case& c : cases) {
        timetable_.FindNextDeparture(c.view, true);
        EXPECT_EQ(PreviousDepartureMoment(timetable_, c.topRow), c.expected) << c.name;
    }
}

}  // namespace
