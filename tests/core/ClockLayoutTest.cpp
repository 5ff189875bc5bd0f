// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ClockLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using clocklayout::Extent;

clocklayout::UpperInput Upper(bool twoLines, bool swap) {
    clocklayout::UpperInput in;
    in.right = 300;
    in.twoLines = twoLines;
    in.dateAfterTime = swap;
    in.date = {100, 13};
    in.time = {60, 20};
    in.seconds = {20, 13};
    in.contentHeight = twoLines ? 13 + 20 + 2 : 20;
    return in;
}

TEST(ClockLayoutTest, UpperBoxTextsForEveryArrangement) {
    struct Case {
        const char* name;
        bool twoLines;
        bool swap;
        clocklayout::Point date;
        clocklayout::Point time;
    };
    // Box 1..300 x 1..(content + 3). One line: date, time and seconds centred as one run.
    const std::vector<Case> cases = {
        {"one line, date first", false, false, {60, 6}, {160, 2}},
        {"one line, time first", false, true, {140, 6}, {60, 2}},
        {"two lines, date above", true, false, {100, 3}, {110, 18}},
        {"two lines, date below", true, true, {100, 25}, {110, 3}},
    };
    for (const Case& c : cases) {
        const auto in = Upper(c.twoLines, c.swap);
        const auto out = clocklayout::LayOutUpper(in);
        EXPECT_EQ(out.box.left, 1) << c.name;
        EXPECT_EQ(out.box.top, 1) << c.name;
        EXPECT_EQ(out.box.right, 300) << c.name;
        EXPECT_EQ(out.box.bottom, in.contentHeight + 3) << c.name;
        EXPECT_EQ(out.date.x, c.date.x) << c.name;
        EXPECT_EQ(out.date.y, c.date.y) << c.name;
        EXPECT_EQ(out.time.x, c.time.x) << c.name;
        EXPECT_EQ(out.time.y, c.time.y) << c.name;
        // The seconds follow the time and share its bottom line.
        EXPECT_EQ(out.seconds.x, c.time.x + 60) << c.name;
        EXPECT_EQ(out.seconds.y + 13, c.time.y + 20) << c.name;
    }
}

TEST(ClockLayoutTest, CaptionsAroundTheDivider) {
    struct Case {
        const char* name;
        int leftWidth;
        int rightWidth;
        int dirScroll;
        int divider;
        int rightX;
        bool scrolls;
    };
    // Width 300: the divider sits at a third unless the left caption needs more.
    const std::vector<Case> cases = {
        {"short captions", 40, 100, 0, 100, 153, false},
        {"long left caption moves the divider", 150, 60, 0, 154, 200, false},
        {"too wide, no scrolling: runs on from the divider", 40, 250, 0, 100, 110, false},
        {"too wide, scrolling", 40, 250, 1, 100, 110, true},
        {"exactly the room is not centred", 40, 186, 1, 100, 110, false},
    };
    for (const Case& c : cases) {
        clocklayout::CaptionInput in;
        in.right = 300;
        in.upperBottom = 23;
        in.captionHeight = 13;
        in.leftCaption = {c.leftWidth, 13};
        in.rightCaption = {c.rightWidth, 13};
        in.dirScroll = c.dirScroll;
        const auto out = clocklayout::LayOutCaptions(in);
        EXPECT_EQ(out.divider, c.divider) << c.name;
        EXPECT_EQ(out.room, 300 - c.divider - 14) << c.name;
        EXPECT_EQ(out.rightCaption.x, c.rightX) << c.name;
        EXPECT_EQ(out.scrolls, c.scrolls) << c.name;
        EXPECT_EQ(out.leftCaption.x, (c.divider + 6 - c.leftWidth) / 2) << c.name;
        EXPECT_EQ(out.box.top, 25) << c.name;
        EXPECT_EQ(out.box.bottom, 40) << c.name;
        EXPECT_EQ(out.y, 26) << c.name;
    }
}

TEST(ClockLayoutTest, WrapAroundLeavesNoGap) {
    struct Case {
        long long step;
        int width;
        int room;
        int offset;
        int first;
        int second;
    };
    const std::vector<Case> cases = {
        {0, 100, 80, 0, 80, 0},   {15, 100, 80, 15, 80, 0}, {25, 100, 80, 25, 75, 5},
        {99, 100, 80, 99, 1, 79}, {100, 100, 80, 0, 80, 0}, {-10, 100, 80, 90, 10, 70},
        {5, 0, 80, 0, 0, 0},      {5, 100, -3, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const auto out = clocklayout::WrapAround(c.step, c.width, c.room);
        EXPECT_EQ(out.offset, c.offset) << c.step << " " << c.width << " " << c.room;
        EXPECT_EQ(out.first, c.first) << c.step << " " << c.width << " " << c.room;
        EXPECT_EQ(out.second, c.second) << c.step << " " << c.width << " " << c.room;
    }
}

}  // namespace
