// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/WindowLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace winlayout;

// A dialog font of 6 x 13 pixels and a combo box 24 pixels high.
Rects Template() {
    return TemplateRects({6, 13}, 24);
}

Frame Client(int width, int height, bool comboShown = true, int clockHeight = -1) {
    const Rects t = Template();
    return {width, height, comboShown, clockHeight < 0 ? t[kClock].height() : clockHeight};
}

// The client size the template was drawn for.
Frame TemplateClient() {
    const Rects t = Template();
    return Client(t[kDepartures].right + 4, t[kArrivals].bottom + 4);
}

TEST(WindowLayoutTest, TheTemplateSizeKeepsEveryControlInPlace) {
    const Rects t = Template();
    EXPECT_EQ(LayOut(t, TemplateClient()), t);
    // Dialog units: 4 per average character width, 8 per font height; everything below the
    // combo box moves 3 pixels down to clear it.
    EXPECT_EQ(t[kDepartures], (Rect{6, 97, 291, 271}));
    // The clock starts 2 pixels under a combo box taller than the template's.
    EXPECT_EQ(t[kClock].top, t[kCombo].bottom + 2);
}

TEST(WindowLayoutTest, ControlsFollowTheClientArea) {
    const Rects t = Template();
    const Frame base = TemplateClient();
    struct Case {
        const char* name;
        Frame frame;
        int listsMove;       // how far the departure list's top moves (up is negative)
        int departuresGrow;  // its growth in height
        int arrivalsGrow;
    };
    const int combo = t[kCombo].height();
    const Case cases[] = {
        {"100 pixels higher: both lists grow by half", Client(base.width, base.height + 100), 0, 50,
         50},
        {"combo box hidden: both lists share its room", Client(base.width, base.height, false),
         -combo, combo / 2, combo / 2},
        {"a clock 20 pixels shorter: both lists share its room",
         Client(base.width, base.height, true, t[kClock].height() - 20), -20, 10, 10},
    };
    for (const Case& c : cases) {
        const Rects r = LayOut(t, c.frame);
        EXPECT_EQ(r[kDepartures].top - t[kDepartures].top, c.listsMove) << c.name;
        EXPECT_EQ(r[kDepartures].height() - t[kDepartures].height(), c.departuresGrow) << c.name;
        EXPECT_EQ(r[kArrivals].height() - t[kArrivals].height(), c.arrivalsGrow) << c.name;
        EXPECT_EQ(r[kArrivals].bottom, c.frame.height - 4) << c.name;
        EXPECT_EQ(r[kClock].height(), c.frame.clockHeight) << c.name;
        // The buttons keep their size and stay beside the arrival list's top.
        EXPECT_EQ(r[kHourEarlier].top - r[kArrivals].top, t[kHourEarlier].top - t[kArrivals].top)
            << c.name;
        EXPECT_EQ(r[kTransferGo].height(), t[kTransferGo].height()) << c.name;
    }
}

TEST(WindowLayoutTest, NarrowerAndWiderWindowsMoveTheButtonsWithTheRightEdge) {
    const Rects t = Template();
    for (int width : {300, 600}) {
        const Rects r = LayOut(t, Client(width, 400));
        const int dx = width - (t[kDepartures].right + 4);
        for (Control c :
             {kHourEarlier, kRealTime, kHourLater, kTransferFirst, kTransferBack, kTransferGo}) {
            EXPECT_EQ(r[c].left, t[c].left + dx) << width;
            EXPECT_EQ(r[c].width(), t[c].width()) << width;
        }
        EXPECT_EQ(r[kDepartures].right, width - 4);
        EXPECT_EQ(r[kCombo].right, t[kCombo].right + dx);
        EXPECT_EQ(r[kArrivals].right, t[kArrivals].right + dx);
    }
}

}  // namespace
