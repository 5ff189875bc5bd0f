// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/Rect.h"

// Where the clock control puts its boxes and texts. Coordinates are pixels of the control's client
// area; a text is placed by its top-left corner; rectangles exclude their right and bottom edge.
namespace clocklayout {

struct Extent {
    int w = 0;
    int h = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

// The upper box: date, time and the seconds drawn after the time on a shared bottom line.
struct UpperInput {
    int left = 0;
    int top = 0;
    int right = 0;
    int contentHeight = 0;
    bool twoLines = false;       // ClockAlign1
    bool dateAfterTime = false;  // ClockAlign2
    Extent date;
    Extent time;
    Extent seconds;
};

struct UpperLayout {
    Rect box;
    Point date;
    Point time;
    Point seconds;
};

UpperLayout LayOutUpper(const UpperInput& in);

// The lower box: the left caption before a bold divider, the right caption after it, centred
// when it fits and otherwise scrolling sideways (or simply running on when scrolling is off).
struct CaptionInput {
    int left = 0;
    int right = 0;
    int upperBottom = 0;  // bottom of the upper box
    int captionHeight = 0;
    Extent leftCaption;
    Extent rightCaption;
    int dirScroll = 0;  // pixels per paint; 0 does not scroll
};

struct CaptionLayout {
    Rect box;
    int divider = 0;  // x of the first of the two strokes
    int y = 0;
    Point leftCaption;
    Point rightCaption;  // when not scrolling
    int room = 0;        // width available to the right caption
    bool scrolls = false;
};

CaptionLayout LayOutCaptions(const CaptionInput& in);

// The two pieces of a text that scrolls through a window of `room` pixels and wraps around with
// no gap: the text from `offset` for `first` pixels, then the text from 0 for `second` pixels.
struct WrapPieces {
    int offset = 0;
    int first = 0;
    int second = 0;
};

// `step` is the distance moved so far (any value; taken modulo the text width).
WrapPieces WrapAround(long long step, int textWidth, int room);

}  // namespace clocklayout
