// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ClockLayout.h"

#include <algorithm>

namespace clocklayout {

namespace {

// Top of a text of height h centred vertically in the box from top to bottom.
int CentreY(int top, int bottom, int h) {
    return top + (bottom - h - top - 1) / 2 + 1;
}

int CentreX(int left, int right, int w) {
    return left + (right - w - left) / 2;
}

}  // namespace

UpperLayout LayOutUpper(const UpperInput& in) {
    UpperLayout out;
    out.box = {in.left + 1, in.top + 1, in.right, in.top + in.contentHeight + 3};
    const int L = out.box.left;
    const int T = out.box.top;
    const int R = out.box.right;
    const int B = out.box.bottom;
    const int timeLineWidth = in.time.w + in.seconds.w;
    if (in.twoLines) {
        int y = CentreY(T, B, in.date.h + in.time.h);
        if (!in.dateAfterTime) {
            out.date = {CentreX(L, R, in.date.w), y};
            y += in.date.h + 2;
        }
        out.time = {CentreX(L, R, timeLineWidth), y};
        if (in.dateAfterTime) {
            out.date = {CentreX(L, R, in.date.w), y + in.time.h + 2};
        }
    } else {
        int x = CentreX(L, R, timeLineWidth + in.date.w);
        const int dateY = CentreY(T, B, in.date.h);
        if (!in.dateAfterTime) {
            out.date = {x, dateY};
            x += in.date.w;
        }
        out.time = {x, CentreY(T, B, in.time.h)};
        if (in.dateAfterTime) {
            out.date = {x + timeLineWidth, dateY};
        }
    }
    // The seconds share the time's bottom line.
    out.seconds = {out.time.x + in.time.w, out.time.y + in.time.h - in.seconds.h};
    return out;
}

CaptionLayout LayOutCaptions(const CaptionInput& in) {
    CaptionLayout out;
    out.box = {in.left + 1, in.upperBottom + 2, in.right, in.upperBottom + in.captionHeight + 4};
    out.divider = std::max(in.leftCaption.w + 4, (in.right - in.left) / 3);
    out.y = CentreY(out.box.top, out.box.bottom, in.leftCaption.h);
    out.leftCaption = {CentreX(in.left, out.divider + 6, in.leftCaption.w), out.y};
    out.room = in.right - out.divider - 14;
    const int width = in.rightCaption.w;
    out.scrolls = width > out.room && in.dirScroll != 0 && width > 0;
    if (width < out.room) {
        out.rightCaption = {CentreX(out.divider + 6, in.right, width), out.y};
    } else {
        out.rightCaption = {out.divider + 10, out.y};
    }
    return out;
}

WrapPieces WrapAround(long long step, int textWidth, int room) {
    WrapPieces out;
    if (textWidth <= 0 || room <= 0) {
        return out;
    }
    long long offset = step % textWidth;
    if (offset < 0) {
        offset += textWidth;
    }
    out.offset = static_cast<int>(offset);
    out.first = std::min(room, textWidth - out.offset);
    out.second = room - out.first;
    return out;
}

}  // namespace clocklayout
