// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DemoTimetable.h"
#include "board/RowText.h"
#include "settings/AppSettings.h"
#include "text/WideText.h"

namespace {

// Monday 7 December 2026 (a weekday), Saturday 12 December.
Moment Monday(int hour, int minute) {
    return Moment::FromFields(2026, 12, 7, hour, minute, 0);
}
Moment Saturday(int hour, int minute) {
    return Moment::FromFields(2026, 12, 12, hour, minute, 0);
}

class BoardSessionTest : public ::testing::Test {
protected:
    int IndexOf(int minutes) const {
        const DaySection& section = *demo_.timetable.FindSection();
        for (std::size_t i = 0; i < section.departures.size(); ++i) {
            if (section.departures[i].time == minutes) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    AppSettings settings_;
    DemoTimetable demo_{settings_};
    BoardSession session_{demo_.timetable};
};

// Real time: each tick selects the next departure and puts it on top (one lower with
// PREV_DISP); rows are made again when the day's section changes; a traveller who scrolled
// keeps the scroll a while, the selection following in place.
TEST_F(BoardSessionTest, TheClockLeadsInRealTime) {
    BoardFrame frame = session_.Tick(Monday(10, 0), 0);
    const int next = IndexOf(10 * 60 + 1);
    EXPECT_TRUE(frame.refilled);
    EXPECT_EQ(frame.nextRow, next);
    EXPECT_EQ(frame.selectedRow, next);
    EXPECT_EQ(frame.topRow, next);
    EXPECT_EQ(frame.arrivals, ArrivalsChange::Rebuild);
    EXPECT_EQ(frame.caption2, L"平日");

    frame = session_.Tick(Monday(10, 0), 100);
    EXPECT_FALSE(frame.refilled);
    EXPECT_EQ(frame.arrivals, ArrivalsChange::Keep);  // the same departure
    settings_.prevDisp = 1;
    EXPECT_EQ(session_.Tick(Monday(10, 2), 200).topRow, IndexOf(10 * 60 + 8) - 1);

    session_.UserScrolled(300);
    frame = session_.Tick(Monday(10, 9), 400);
    EXPECT_EQ(frame.topRow, -1);
    EXPECT_TRUE(frame.selectInPlace);
    EXPECT_EQ(frame.selectedRow, IndexOf(10 * 60 + 15));
    EXPECT_EQ(session_.Tick(Monday(10, 9), 300 + ScrollHold::kHoldMs).topRow,
              IndexOf(10 * 60 + 15) - 1);

    demo_.timetable.displayMode = DisplayMode::HourBlocks;
    frame = session_.Tick(Saturday(10, 0), 9000);
    EXPECT_TRUE(frame.refilled);
    EXPECT_EQ(frame.caption2, L"土曜・休日");
    EXPECT_EQ(frame.selectedRow, IndexOf(10 * 60));
    EXPECT_EQ(demo_.timetable.displayMode, DisplayMode::RealTime);
}

// Out of real time the view stays where the traveller put it: a forced day makes the rows
// again at the same moment in the same mode, and the traveller's own selection is kept.
TEST_F(BoardSessionTest, AViewKeepsItsMomentAndModeAcrossTicks) {
    session_.Tick(Saturday(13, 0), 0);
    ASSERT_TRUE(session_.StepHour(true).has_value());  // 14:00
    BoardFrame frame = session_.ShowAt(DisplayMode::HourBlocks, Saturday(13, 0));
    EXPECT_FALSE(frame.realTime);
    EXPECT_EQ(frame.selectedRow, IndexOf(13 * 60));
    EXPECT_EQ(frame.arrivals, ArrivalsChange::Rebuild);  // the stations of the new selection
    EXPECT_EQ(session_.ShowAt(DisplayMode::HourBlocks, Saturday(13, 0)).arrivals,
              ArrivalsChange::Keep);

    frame = session_.SetForcedDay(2, Saturday(13, 5), 100);
    EXPECT_TRUE(frame.refilled);
    EXPECT_EQ(frame.caption2, L"平日");
    EXPECT_EQ(demo_.timetable.displayMode, DisplayMode::HourBlocks);
    EXPECT_EQ(frame.selectedRow, IndexOf(13 * 60 + 3));
    EXPECT_EQ(frame.topRow, IndexOf(13 * 60 + 3));
    EXPECT_EQ(frame.arrivals, ArrivalsChange::Rebuild);
    frame = session_.Tick(Saturday(13, 6), 200);
    EXPECT_FALSE(frame.refilled);
    EXPECT_EQ(frame.topRow, -1);

    frame = session_.SelectRow(5);
    EXPECT_EQ(frame.selectedRow, 5);
    EXPECT_EQ(frame.arrivals, ArrivalsChange::Rebuild);
    EXPECT_EQ(session_.Tick(Saturday(13, 7), 300).selectedRow, 5);

    // Back to real time at the next tick; choosing the next departure stays there.
    session_.SetRealTime(true);
    frame = session_.Tick(Monday(9, 0), 400);
    EXPECT_TRUE(frame.realTime);
    EXPECT_EQ(session_.SelectRow(frame.nextRow).realTime, true);
    EXPECT_EQ(session_.SelectRow(frame.nextRow + 1).realTime, false);
}

TEST_F(BoardSessionTest, StepsAndMinutesMoveTheView) {
    session_.Tick(Monday(9, 15), 0);
    struct Case {
        int minutes;
        int day;
        int hour;
        int minute;
        DisplayMode mode;
    };
    const std::vector<Case> cases = {
        {10 * 60 + 30, 7, 10, 30, DisplayMode::ViewMoment},
        {23 * 60 + 59, 7, 23, 59, DisplayMode::ViewMoment},
        {24 * 60 + 20, 8, 0, 20, DisplayMode::ViewMoment},  // after midnight is tomorrow
        {-1, 7, 9, 15, DisplayMode::RealTime},
    };
    for (const Case& c : cases) {
        session_.ShowAtMinute(c.minutes, Monday(9, 15));
        const MomentFields shown = demo_.timetable.viewMoment.Fields();
        EXPECT_EQ(shown.day, c.day) << c.minutes;
        EXPECT_EQ(shown.hour, c.hour) << c.minutes;
        EXPECT_EQ(shown.minute, c.minute) << c.minutes;
        EXPECT_EQ(demo_.timetable.displayMode, c.mode) << c.minutes;
    }

    session_.ShowAt(DisplayMode::ViewMoment, Monday(11, 58));
    const std::optional<BoardFrame> earlier = session_.StepHour(false);
    ASSERT_TRUE(earlier.has_value());
    EXPECT_EQ(earlier->selectedRow, IndexOf(11 * 60 + 4));
    EXPECT_EQ(earlier->arrivals, ArrivalsChange::Rebuild);
    const std::optional<BoardFrame> previous = session_.ShowPrevious(earlier->topRow);
    ASSERT_TRUE(previous.has_value());
    EXPECT_EQ(previous->topRow, earlier->topRow - 1);
    EXPECT_EQ(previous->selectedRow, earlier->selectedRow);
    EXPECT_FALSE(session_.ShowPrevious(0).has_value());

    // A day without a section has nothing to show and no hour to step to.
    demo_.timetable.sections.clear();
    const BoardFrame empty = session_.Tick(Monday(10, 0), 100);
    EXPECT_TRUE(empty.refilled);
    EXPECT_EQ(empty.nextRow, -1);
    EXPECT_EQ(empty.selectedRow, -1);
    EXPECT_FALSE(session_.StepHour(true).has_value());
}

// Opening a timetable shows it in real time; going back restores the earlier one at the minute
// the traveller left it, of the day on show then, whatever the order of the steps.
TEST_F(BoardSessionTest, OpeningAndGoingBack) {
    const std::wstring demo = wtext::Utf8ToWide(KOVARIS_DEMO_DATA) + L"/";
    const std::wstring down = demo + L"wakaba_down.TBL";
    const std::wstring up = demo + L"wakaba_up.TBL";
    std::optional<BoardFrame> frame = session_.Open(down, Monday(8, 10));
    ASSERT_TRUE(frame.has_value());
    EXPECT_TRUE(frame->refilled);
    EXPECT_TRUE(frame->realTime);
    EXPECT_EQ(frame->selectedRow, frame->nextRow);
    EXPECT_EQ(frame->arrivals, ArrivalsChange::Rebuild);
    const int nextDown = frame->nextRow;

    // A transfer: the connecting line, at the arrival.
    ASSERT_TRUE(session_.Open(up, Monday(8, 10)).has_value());
    session_.SetRealTime(false);
    frame = session_.ShowAt(DisplayMode::ViewMoment, Monday(9, 0));
    EXPECT_FALSE(frame->realTime);
    EXPECT_FALSE(session_.Open(demo + L"missing.TBL", Monday(8, 11)).has_value());
    EXPECT_EQ(demo_.timetable.path, up);

    frame = session_.Return(down, 24 * 60 + 5, Monday(8, 12));
    ASSERT_TRUE(frame.has_value());
    EXPECT_FALSE(frame->realTime);
    EXPECT_EQ(demo_.timetable.displayMode, DisplayMode::ViewMoment);
    const MomentFields view = demo_.timetable.viewMoment.Fields();
    EXPECT_EQ(view.day, 8);
    EXPECT_EQ(view.minute, 5);
    frame = session_.Return(down, -1, Monday(8, 12));
    EXPECT_TRUE(frame->realTime);
    EXPECT_EQ(frame->selectedRow, nextDown);
}

// With a walking time the next departure is the first one the walk still reaches (one exactly
// that far away included); the trains before it are dimmed and unlabelled, and the countdown
// counts to the departure or, with WalkCount, to the moment to set off.
TEST_F(BoardSessionTest, TheWalkSkipsTrainsOutOfReach) {
    struct WalkCase {
        const char* name;
        int walk;
        Moment now;
        int prevDisp;
        int next;  // minutes of the day, as are the others
        int top;
        std::vector<int> dimmed;
        int toDeparture;  // seconds the next row counts with WalkCount=0
        int toSetOff;     // and with WalkCount=1
    };
    const std::vector<WalkCase> cases = {
        {"no walk", 0, Monday(10, 0), 0, 601, 601, {}, 60, 60},
        {"exactly the walk away", 8, Monday(10, 0), 0, 608, 608, {601}, 480, 0},
        {"a minute short", 9, Monday(10, 0), 1, 615, 608, {601, 608}, 900, 360},
        {"the walk reaches none",
         120,
         Monday(23, 50),
         0,
         300,
         300,
         {1434, 1441, 1448, 1455, 1462, 1469, 1476},
         -1,
         -1},
    };
    const BoardWords words;
    for (const WalkCase& c : cases) {
        settings_.prevDisp = c.prevDisp;
        demo_.timetable.walkMinutes = c.walk;
        BoardSession session(demo_.timetable);
        const BoardFrame frame = session.Tick(c.now, 0);
        EXPECT_EQ(frame.nextRow, IndexOf(c.next)) << c.name;
        EXPECT_EQ(frame.topRow, IndexOf(c.top)) << c.name;
        EXPECT_EQ(session.ShowAtMinute(-1, c.now).selectedRow, IndexOf(c.next)) << c.name;

        std::vector<int> dimmed;
        RowInfo row;
        for (int index = 0; demo_.timetable.GetRowInfo(index, row); ++index) {
            if (row.unreachable) {
                dimmed.push_back(row.time);
                EXPECT_EQ(row.label, words.blankLabel) << c.name << " " << row.time;
            }
        }
        EXPECT_EQ(dimmed, c.dimmed) << c.name;
        ASSERT_TRUE(demo_.timetable.GetRowInfo(frame.nextRow, row));
        EXPECT_EQ(row.label, words.nextLabels[0]) << c.name;
        if (c.toDeparture >= 0) {
            settings_.walkCount = 0;
            EXPECT_EQ(CountdownSeconds(row, settings_), c.toDeparture) << c.name;
            settings_.walkCount = 1;
            EXPECT_EQ(CountdownSeconds(row, settings_), c.toSetOff) << c.name;
        }
    }
}

}  // namespace
