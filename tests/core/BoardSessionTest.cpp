// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardSession.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DemoTimetable.h"
#include "ExampleBoard.h"
#include "board/RowText.h"
#include "catalogue/ArrivalRows.h"
#include "catalogue/DataStore.h"
#include "catalogue/TransferPlan.h"
#include "settings/AppSettings.h"
#include "text/WideText.h"

namespace {

// Monday 7 December 2026 (a weekday), Saturday 12 December.
Moment Monday(int hour, int minute, int second = 0) {
    return Moment::FromFields(2026, 12, 7, hour, minute, second);
}
Moment Saturday(int hour, int minute, int second = 0) {
    return Moment::FromFields(2026, 12, 12, hour, minute, second);
}

std::wstring Demo(const wchar_t* file) {
    return wtext::Utf8ToWide(KOVARIS_DEMO_DATA) + L"/" + file;
}
constexpr int Hm(int hour, int minute) {
    return hour * 60 + minute;
}

class BoardSessionTest : public ::testing::Test {
protected:
    using Act = std::function<std::optional<BoardFrame>()>;
    // A command and the board it leaves.
    struct Step {
        const char* name;
        Act act;
        const wchar_t* captions;  // of the section on show: its days and direction
        int time;                 // of the selected departure; -1 for none
        DisplayMode mode;
        int view = -1;      // minute of the view moment; -1 unchecked
        bool onTop = true;  // the selection scrolled to the top, or the scroll left alone
    };

    void Walk(const std::vector<Step>& steps) {
        const Timetable& table = demo_.timetable;
        for (const Step& step : steps) {
            const std::optional<BoardFrame> frame = step.act();
            ASSERT_TRUE(frame.has_value()) << step.name;
            const int row = frame->selectedRow;
            EXPECT_EQ(frame->caption1 + L" " + frame->caption2, step.captions) << step.name;
            EXPECT_EQ(row < 0 ? -1 : table.FindSection()->DepartureAt(row).time, step.time)
                << step.name;
            EXPECT_EQ(frame->realTime, step.mode == DisplayMode::RealTime) << step.name;
            EXPECT_EQ(table.displayMode, step.mode) << step.name;
            if (step.view >= 0) {
                EXPECT_EQ(Hm(table.viewMoment.Hour(), table.viewMoment.Minute()), step.view)
                    << step.name;
            }
            EXPECT_EQ(frame->topRow, step.onTop ? row : -1) << step.name;
            // New rows bring the stations of the new selection, or none.
            if (frame->refilled) {
                EXPECT_EQ(frame->arrivals,
                          row < 0 ? ArrivalsChange::Clear : ArrivalsChange::Rebuild)
                    << step.name;
            }
        }
    }

    Act OpenAt(const std::wstring& path, Moment now) {
        return [=, this] { return session_.Open(path, now); };
    }
    Act TickAt(Moment now) {
        return [=, this] { return std::optional(session_.Tick(now, 0)); };
    }
    // What the window does to change at the arrival station `index` of the selected departure:
    // the connecting line at the arrival there, of the day on show, out of real time.
    Act TransferAt(std::size_t index, Moment now) {
        return [=, this] {
            const Timetable& table = demo_.timetable;
            const ArrivalList list = BuildArrivalListForIndex(table, session_.SelectedRow(), false);
            const TransferPlan plan = PlanTransfer(table, &list.rows.at(index));
            const Moment arrival = table.MomentOfMinute(plan.targetMinute);
            transfers_.Append(plan.record);
            session_.Open(DataStore(settings_).ResolvePath(plan.entry.baseDir, plan.entry.target),
                          now);
            session_.SetRealTime(false);
            return std::optional(session_.ShowAt(DisplayMode::ViewMoment, arrival));
        };
    }
    Act Back(bool toFirst, Moment now) {
        return [=, this] {
            const std::vector<TransferRecord>& records = transfers_.records();
            const TransferRecord record = records.at(toFirst ? 0 : records.size() - 1);
            transfers_.Remove(toFirst);
            return session_.Return(record.path, record.minutes, now);
        };
    }

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
    TransferHistory transfers_;
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
    EXPECT_TRUE(frame.realTime);
    EXPECT_EQ(session_.Tick(Monday(10, 9), 300 + ScrollHold::kHoldMs).topRow,
              IndexOf(10 * 60 + 15) - 1);
    // Asking for real time again ends the hold at once.
    session_.UserScrolled(8400);
    session_.SetRealTime(true);
    EXPECT_EQ(session_.Tick(Monday(10, 9), 8500).topRow, IndexOf(10 * 60 + 15) - 1);

    demo_.timetable.displayMode = DisplayMode::HourBlocks;
    frame = session_.Tick(Saturday(10, 0), 9000);
    EXPECT_TRUE(frame.refilled);
    EXPECT_EQ(frame.caption2, L"土曜・休日");
    EXPECT_EQ(frame.selectedRow, IndexOf(10 * 60));
    EXPECT_EQ(demo_.timetable.displayMode, DisplayMode::RealTime);
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

// Out of real time the view stays where the traveller put it: a forced day and the day change
// at night bring the other section's rows at once, at the same moment in the same mode; past the
// night comes the next day. The stations change with the selection, and the traveller's own
// selection is kept.
TEST_F(BoardSessionTest, AViewKeepsItsMomentAndModeAcrossTicks) {
    const std::wstring down = Demo(L"wakaba_down.TBL");
    const Moment friday = Moment::FromFields(2026, 12, 11, 19, 50, 0);
    const auto day = [this, friday](DayType type) {
        return [=, this] { return std::optional(session_.SetForcedDay(type, friday, 0)); };
    };
    const auto hourLater = [this] { return session_.StepHour(true); };
    const DisplayMode hours = DisplayMode::HourBlocks;
    const DisplayMode realTime = DisplayMode::RealTime;
    Walk({
        {"Friday evening", OpenAt(down, friday), L"平日 北浜方面", Hm(19, 50), realTime},
        {"an hour later", hourLater, L"平日 北浜方面", Hm(20, 6), hours, Hm(20, 0)},
        {"Saturday forced", day(7), L"土曜 北浜方面", Hm(20, 12), hours, Hm(20, 0)},
        {"back to the calendar", day(0), L"平日 北浜方面", Hm(20, 6), hours, Hm(20, 0)},
        {"Friday's night goes on", TickAt(Saturday(1, 59, 59)), L"平日 北浜方面", Hm(20, 6), hours,
         Hm(20, 0), false},
        {"its last train has gone by 02:00", TickAt(Saturday(2, 0)), L"土曜 北浜方面", Hm(20, 12),
         hours, Hm(20, 0)},
        {"in real time at 01:00", OpenAt(down, Saturday(1, 0)), L"平日 北浜方面", Hm(25, 15),
         realTime},
        {"Saturday begins at 03:00", TickAt(Saturday(3, 0)), L"土曜 北浜方面", Hm(5, 20), realTime},
        // Past the night's last train the section shows from its start.
        {"after Friday's last train", OpenAt(down, Saturday(1, 30)), L"平日 北浜方面", Hm(5, 20),
         realTime},
        {"the next hour is Saturday's first", hourLater, L"土曜 北浜方面", Hm(5, 20), hours,
         Hm(5, 0)},
    });

    const auto showAt = [this](int hour) {
        return session_.ShowAt(DisplayMode::HourBlocks, Saturday(hour, 0)).arrivals;
    };
    EXPECT_EQ(showAt(5), ArrivalsChange::Keep);
    EXPECT_EQ(showAt(6), ArrivalsChange::Rebuild);
    const BoardFrame chosen = session_.SelectRow(5);
    EXPECT_EQ(chosen.selectedRow, 5);
    EXPECT_EQ(chosen.arrivals, ArrivalsChange::Rebuild);
    EXPECT_EQ(session_.Tick(Saturday(6, 1), 0).selectedRow, 5);

    // Back to real time at the next tick; choosing the next departure stays there.
    session_.SetRealTime(true);
    const BoardFrame frame = session_.Tick(Saturday(6, 2), 0);
    EXPECT_TRUE(frame.realTime);
    EXPECT_TRUE(session_.SelectRow(frame.nextRow).realTime);
    EXPECT_FALSE(session_.SelectRow(frame.nextRow + 1).realTime);
}

// Opening a timetable shows it in real time, or at the view moment out of real time; a transfer
// shows the connecting line at the arrival; going back restores the earlier timetable at the
// minute the traveller left it, of the day on show then, or in real time.
TEST_F(BoardSessionTest, OpeningAndGoingBack) {
    settings_.dataPath = Demo(L"");
    const std::wstring up = Demo(L"wakaba_up.TBL");
    const DisplayMode view = DisplayMode::ViewMoment;
    const DisplayMode realTime = DisplayMode::RealTime;
    Walk({
        {"the morning board", OpenAt(up, Monday(8, 12, 20)), L"平日 桜川中央方面", Hm(8, 14),
         realTime},
        {"change at 東雲橋", TransferAt(0, Monday(8, 13)), L"平日 潮見埠頭方面", Hm(8, 35), view,
         Hm(8, 23)},
        {"the clock goes on", TickAt(Monday(8, 15)), L"平日 潮見埠頭方面", Hm(8, 35), view,
         Hm(8, 23), false},
        {"the other direction", OpenAt(Demo(L"shiomi/shinonome_west.TBL"), Monday(8, 15)),
         L"平日 山手台方面", Hm(8, 38), view, Hm(8, 23)},
        {"change at 若葉台", TransferAt(0, Monday(8, 16)), L"平日 北浜方面", Hm(8, 56), view,
         Hm(8, 52)},
        {"back one", Back(false, Monday(8, 17)), L"平日 山手台方面", Hm(8, 38), view, Hm(8, 23)},
        {"back to the first", Back(true, Monday(8, 17)), L"平日 桜川中央方面", Hm(8, 20), realTime},
    });
    EXPECT_TRUE(transfers_.empty());

    EXPECT_FALSE(session_.Open(Demo(L"missing.TBL"), Monday(8, 18)).has_value());
    EXPECT_EQ(demo_.timetable.path, up);
    const std::optional<BoardFrame> frame = session_.Return(up, 24 * 60 + 5, Monday(8, 18));
    ASSERT_TRUE(frame.has_value());
    EXPECT_FALSE(frame->realTime);
    const MomentFields night = demo_.timetable.viewMoment.Fields();
    EXPECT_EQ(night.day, 8);  // past midnight of the day on show
    EXPECT_EQ(night.minute, 5);
}

// With a walking time the next departure is the first one the walk still reaches (one exactly
// that far away included); the trains before it are dimmed and unlabelled but stay in sight
// (the top row is the first still to leave, one above with PREV_DISP), and the countdown
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
        {"no walk, PREV_DISP", 0, Monday(10, 0), 1, 601, 594, {}, 60, 60},
        {"exactly the walk away", 8, Monday(10, 0), 0, 608, 601, {601}, 480, 0},
        {"a minute short", 9, Monday(10, 0), 1, 615, 594, {601, 608}, 900, 360},
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
        demo_.timetable.walkMinutes = 0;
        BoardSession session(demo_.timetable);
        session.Tick(c.now, 0);
        // Set while the board runs, as the window's dialog does.
        const BoardFrame frame = session.SetWalkMinutes(c.walk, c.now, 0);
        EXPECT_EQ(frame.selectedRow, IndexOf(c.next)) << c.name;
        EXPECT_EQ(frame.nextRow, IndexOf(c.next)) << c.name;
        EXPECT_EQ(frame.topRow, IndexOf(c.top)) << c.name;
        const BoardFrame now = session.ShowAtMinute(-1, c.now);
        EXPECT_EQ(now.selectedRow, IndexOf(c.next)) << c.name;

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
            // Back to real time shows the same; with none in reach the rows stay as they are.
            EXPECT_EQ(now.topRow, IndexOf(c.top)) << c.name;
            settings_.walkCount = 0;
            EXPECT_EQ(CountdownSeconds(row, settings_), c.toDeparture) << c.name;
            settings_.walkCount = 1;
            EXPECT_EQ(CountdownSeconds(row, settings_), c.toSetOff) << c.name;
        }
    }
}

// The example board's weekday rows: 0 08:00 north, 1 08:10 north, 2 08:10 south, 3 08:12 north,
// 4 08:14 south, 5 08:15 south, 6 08:20 north, 7 08:30 south, 8 26:05 north, 9 26:40 south.
class BoardOfTwoLinesTest : public ::testing::Test {
protected:
    struct Step {
        const char* name;
        std::function<std::optional<BoardFrame>()> act;
        const wchar_t* captions;  // those of the selected row's line
        int selected;
        int top;
    };

    void Walk(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            const std::optional<BoardFrame> frame = step.act();
            ASSERT_TRUE(frame.has_value()) << step.name;
            EXPECT_EQ(frame->caption1 + L" " + frame->caption2, step.captions) << step.name;
            EXPECT_EQ(frame->selectedRow, step.selected) << step.name;
            EXPECT_EQ(frame->topRow, step.top) << step.name;
        }
    }

    ExampleBoard example_;
    Timetable& board_ = example_.board;
    BoardSession session_{board_};
};

// Hour steps and scrolling up go over the joined rows, one row at a time also where two lines
// leave in the same minute; a transfer from the southern line's train takes its stations and
// its folder, and the way back returns to the board at the minute left.
TEST_F(BoardOfTwoLinesTest, StepsAndTransfersFollowTheRowsLine) {
    const Moment now = Monday(8, 5);
    const auto minute = [&](int minutes) {
        return [=, this] { return std::optional(session_.ShowAtMinute(minutes, now)); };
    };
    const auto previous = [this](int top) {
        return [=, this] { return session_.ShowPrevious(top); };
    };
    const auto hour = [this](bool later) { return [=, this] { return session_.StepHour(later); }; };
    TransferRecord back;
    const auto transfer = [&, this] {
        EXPECT_TRUE(BuildArrivalListForIndex(board_, 6, false).rows.empty());  // north: none
        const ArrivalList list = BuildArrivalListForIndex(board_, session_.SelectedRow(), false);
        const TransferPlan plan = PlanTransfer(board_, &list.rows.at(0));
        EXPECT_EQ(plan.targetMinute, Hm(8, 45));
        EXPECT_EQ(plan.entry.baseDir, example_.dir.File(L"s/"));
        back = plan.record;
        const Moment arrival = board_.MomentOfMinute(plan.targetMinute);
        session_.Open(
            DataStore(example_.settings).ResolvePath(plan.entry.baseDir, plan.entry.target), now);
        session_.SetRealTime(false);
        return std::optional(session_.ShowAt(DisplayMode::ViewMoment, arrival));
    };
    Walk({
        {"open", [&, this] { return session_.Open(example_.Path(), now); }, L"北線 平日", 1, 1},
        {"at 08:13", minute(Hm(8, 13)), L"南線 平日", 4, 4},
        {"one row up", previous(4), L"南線 平日", 4, 3},
        {"up past a train of the same minute", previous(3), L"南線 平日", 4, 2},
        {"an hour later is the night's", hour(true), L"北線 平日", 8, 8},
        {"an hour earlier is the morning's", hour(false), L"北線 平日", 0, 0},
        {"the southern 08:30", minute(Hm(8, 30)), L"南線 平日", 7, 7},
        {"change at 湾", transfer, L"湾岸線 平日", 1, 1},
        {"back to the board", [&, this] { return session_.Return(back.path, back.minutes, now); },
         L"南線 平日", 7, 7},
    });
    EXPECT_EQ(back, (TransferRecord{example_.Path(), Hm(8, 30)}));
    EXPECT_TRUE(board_.IsBoard());
}

// Each line has its own walk: a train exactly its walk away is in reach, another line's train
// between two out of reach is labelled, and a new walk changes the selected row's line only.
TEST_F(BoardOfTwoLinesTest, EachLineWalksItsOwnWay) {
    const WalkLookup walkOf = [](std::wstring_view path) {
        return path.ends_with(L"south.TBL") ? 10 : path.ends_with(L"n.TBL") ? 2 : 0;
    };
    const std::optional<BoardFrame> frame = session_.Open(example_.Path(), Monday(8, 5), walkOf);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->nextRow, 1);
    const BoardWords words;
    struct Row {
        bool unreachable;
        std::wstring label;
    };
    const std::vector<Row> rows = {
        {false, words.blankLabel},    {false, words.nextLabels[0]}, {true, words.blankLabel},
        {false, words.nextLabels[1]}, {true, words.blankLabel},     {false, words.nextLabels[2]},
        {false, words.blankLabel},
    };
    RowInfo row;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_TRUE(board_.GetRowInfo(static_cast<int>(i), row));
        EXPECT_EQ(row.unreachable, rows[i].unreachable) << i;
        EXPECT_EQ(row.label, rows[i].label) << i;
    }
    // Up from the top is one row up, whatever the walk reaches from there.
    EXPECT_EQ(session_.ShowPrevious(frame->topRow)->topRow, frame->topRow - 1);

    session_.SelectRow(4);
    EXPECT_EQ(session_.WalkTarget().title, L"南線");
    session_.SetWalkMinutes(0, Monday(8, 5), 0);
    EXPECT_EQ(board_.members[0].timetable->walkMinutes, 2);
    EXPECT_EQ(board_.members[1].timetable->walkMinutes, 0);
    ASSERT_TRUE(board_.GetRowInfo(2, row));
    EXPECT_FALSE(row.unreachable);
}

}  // namespace
