// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ListRowLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const Rect kRow{0, 26, 400, 39};  // a 13-pixel row, 400 wide

TEST(ListRowLayoutTest, VisibleRowsCountAPartlyShownRow) {
    EXPECT_EQ(listrow::VisibleRowCount(260, 13), 20);
    EXPECT_EQ(listrow::VisibleRowCount(261, 13), 21);
    EXPECT_EQ(listrow::VisibleRowCount(261, -13), 21);  // a font height given as negative
    EXPECT_EQ(listrow::VisibleRowCount(0, 13), 0);
    EXPECT_EQ(listrow::VisibleRowCount(50, 0), 50);  // no division by zero
}

TEST(ListRowLayoutTest, ProgressBarShrinksTowardTheRightEdge) {
    struct Case {
        int seconds;
        int progress;
        bool shown;
        int left;
    };
    const std::vector<Case> cases = {
        {60, 2, true, 200},    // half way: the right half
        {119, 2, true, 4},     // just started: almost the whole row
        {120, 2, false, 0},    // not yet
        {0, 2, true, 400},     // leaving now: nothing left of it
        {-1, 2, false, 0},     // left already, or a blank row
        {30, 0, false, 0},     // switched off
        {300, 10, true, 200},  // a longer bar
    };
    for (const Case& c : cases) {
        const auto bar = listrow::LayOutProgressBar(kRow, c.seconds, c.progress);
        EXPECT_EQ(bar.shown, c.shown) << c.seconds << " s, Progress " << c.progress;
        if (c.shown) {
            EXPECT_EQ(bar.left, c.left) << c.seconds << " s, Progress " << c.progress;
            EXPECT_EQ(bar.top, 27);
            EXPECT_EQ(bar.bottom, 38);
        }
    }
}

TEST(ListRowLayoutTest, TickMarksEveryHalfMinute) {
    // Progress 2 at 60 s: marks at 90 s (short), 60 s (long) and 30 s (short).
    const auto bar = listrow::LayOutProgressBar(kRow, 60, 2);
    ASSERT_EQ(bar.ticks.size(), 3u);
    const int shortBottom = 39 - 13 * 5 / 10;
    EXPECT_EQ(bar.ticks[0].x, 300);
    EXPECT_EQ(bar.ticks[0].bottom, shortBottom);
    EXPECT_TRUE(bar.ticks[0].onBar);
    EXPECT_EQ(bar.ticks[1].x, 200);
    EXPECT_EQ(bar.ticks[1].bottom, 37);
    EXPECT_TRUE(bar.ticks[1].onBar);
    EXPECT_EQ(bar.ticks[2].x, 100);
    EXPECT_EQ(bar.ticks[2].bottom, shortBottom);
    EXPECT_FALSE(bar.ticks[2].onBar);
    for (const auto& tick : bar.ticks) {
        EXPECT_EQ(tick.top, 28);
    }
    // Progress 10 gives 19 marks; a minute or less gives none.
    EXPECT_EQ(listrow::LayOutProgressBar(kRow, 10, 10).ticks.size(), 19u);
    EXPECT_TRUE(listrow::LayOutProgressBar(kRow, 10, 1).ticks.size() == 1u);
    // Marks as dense as the row's pixels are all drawn; a hand-edited Progress asking for more
    // gets as many as fit, every second or every n-th one, so one more minute never takes them
    // all away.
    EXPECT_EQ(listrow::LayOutProgressBar(kRow, 10, 200).ticks.size(), 399u);
    const auto twoApart = listrow::LayOutProgressBar(kRow, 10, 201);
    ASSERT_EQ(twoApart.ticks.size(), 200u);
    EXPECT_EQ(twoApart.ticks[0].bottom, 37) << "every second mark is a whole minute";
    const auto huge = listrow::LayOutProgressBar(kRow, 10, 2147483647);
    EXPECT_TRUE(huge.shown);
    EXPECT_EQ(huge.ticks.size(), 399u);
    EXPECT_GT(huge.ticks.front().x, huge.ticks.back().x);
}

TEST(ListRowLayoutTest, PulseAndBarColor) {
    const std::vector<std::pair<unsigned, int>> pulses = {
        {0, 0}, {1, 1}, {10, 10}, {11, 9}, {19, 1}, {20, 0}, {4294967295u, 5}};
    for (const auto& [frame, level] : pulses) {
        EXPECT_EQ(listrow::PulseLevel(frame), level) << frame;
    }
    // White background, text 0x00BBGGRR = blue 0x80, green 0x40, red 0x00.
    const ColorRef white = 0xFFFFFF;
    const ColorRef text = 0x804000;
    EXPECT_EQ(listrow::BarColor(white, text, 0), (0x80u * 3 + 255 * 20) / 23 << 16 |
                                                     (0x40u * 3 + 255 * 20) / 23 << 8 |
                                                     255u * 20 / 23);
    EXPECT_EQ(listrow::BarColor(white, text, 10),
              (0x80u * 13 + 2550) / 23 << 16 | (0x40u * 13 + 2550) / 23 << 8 | 2550u / 23);
    EXPECT_EQ(listrow::BarColor(0, 0xFFFFFF, 20), 0xFFFFFFu);  // never past full strength
}

TEST(ListRowLayoutTest, WhenTheNoteScrolls) {
    struct Case {
        const char* name;
        int noteWidth;
        int scrollMode;
        bool selectedOnly;
        bool selected;
        bool follows;
    };
    const std::vector<Case> cases = {
        {"fits, whatever the mode", 80, 1, false, false, true},
        {"fits exactly", 100, 2, false, false, true},
        {"too long, scrolling off", 150, 0, false, false, true},
        {"too long, scrolling", 150, 1, false, false, false},
        {"too long, double speed", 150, 2, false, false, false},
        {"selected only, not selected", 150, 1, true, false, true},
        {"selected only, selected", 150, 1, true, true, false},
        {"an unknown mode stands still but is cut", 150, 5, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            listrow::NoteFollowsText(c.noteWidth, 100, c.scrollMode, c.selectedOnly, c.selected),
            c.follows)
            << c.name;
    }
    // One pixel per refresh, two at double speed; an unknown mode does not move.
    EXPECT_EQ(listrow::NoteScrollStep(1, 7), 7);
    EXPECT_EQ(listrow::NoteScrollStep(2, 7), 14);
    EXPECT_EQ(listrow::NoteScrollStep(5, 7), 0);
}

}  // namespace
