// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/DepartureReminder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleBoard.h"
#include "TextTimetable.h"

namespace {

Moment Monday(int hour, int minute, int second) {
    return Moment::FromFields(2026, 12, 7, hour, minute, second);
}

class DepartureReminderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(file_.loaded); }

    // The reminders given as the board follows the clock through `moments`, watching the next
    // departure, five minutes ahead.
    std::vector<std::wstring> Follow(const std::vector<Moment>& moments) {
        std::vector<std::wstring> given;
        for (const Moment& m : moments) {
            const int next = timetable_.FindNextDeparture(m, true);
            if (const auto due = reminder_.Check(timetable_, next, 5)) {
                given.push_back(due->title + L"|" + due->body);
            }
        }
        return given;
    }

    TextTimetable file_{L";若葉台\na:急行 桜川中央;急\n[MON]\n8 a14 20\n"};
    Timetable& timetable_ = file_.timetable;
    DepartureReminder reminder_;
};

TEST_F(DepartureReminderTest, OnceAtTheLeadTimeAndNeverLateOrTwice) {
    reminder_.SetOn(true);
    EXPECT_EQ(Follow({Monday(8, 0, 0), Monday(8, 8, 59), Monday(8, 9, 0), Monday(8, 9, 0),
                      Monday(8, 9, 30)}),
              std::vector<std::wstring>{L"発車まであと5分|08:14 急行 桜川中央 (若葉台)"});
    // A refilled list or a rebuilt window sees the same train again: no second reminder.
    EXPECT_TRUE(Follow({Monday(8, 9, 1), Monday(8, 13, 0)}).empty());
    // The 08:20 was first seen at 08:14:30, with more than five minutes to go.
    EXPECT_EQ(Follow({Monday(8, 14, 30), Monday(8, 15, 0)}),
              std::vector<std::wstring>{L"発車まであと5分|08:20 (若葉台)"});
}

TEST_F(DepartureReminderTest, NothingForATrainAlreadyCloseOrWhileOff) {
    EXPECT_TRUE(Follow({Monday(8, 0, 0), Monday(8, 9, 0)}).empty());  // off
    reminder_.SetOn(true);
    // Switched on with four minutes to go: too late for this train.
    EXPECT_TRUE(Follow({Monday(8, 10, 0), Monday(8, 11, 0)}).empty());
}

// With a walking time the lead counts back from the moment to set off: 08:14 less 3 minutes'
// walk less the 5 minutes' lead is 08:06.
TEST_F(DepartureReminderTest, TheLeadCountsFromTheMomentToSetOff) {
    timetable_.walkMinutes = 3;
    reminder_.SetOn(true);
    EXPECT_TRUE(Follow({Monday(8, 0, 0), Monday(8, 5, 59)}).empty());
    EXPECT_EQ(Follow({Monday(8, 6, 0)}),
              std::vector<std::wstring>{L"出発まであと5分|08:14 急行 桜川中央 (若葉台)"});
}

// On a board two lines' trains of the same minute are two trains, each told with its own line's
// mark and title.
TEST(DepartureReminderBoardTest, EachRowRemindsOfItsOwnLine) {
    ExampleBoard example;
    ASSERT_TRUE(example.board.LoadTimetable(example.Path()));
    DepartureReminder reminder;
    reminder.SetOn(true);
    std::vector<std::wstring> given;
    for (const Moment& m : {Monday(8, 0, 0), Monday(8, 5, 0)}) {
        example.board.FindNextDeparture(m, true);
        for (int row : {1, 2}) {  // the northern and the southern 08:10
            if (const auto due = reminder.Check(example.board, row, 5)) {
                given.push_back(due->body);
            }
        }
    }
    EXPECT_EQ(given, (std::vector<std::wstring>{L"08:10 快速 (北線)", L"08:10 急行 (南線)"}));
}

}  // namespace
