// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/WindowLayout.h"

#include <algorithm>

namespace winlayout {

namespace {

struct UnitRect {
    int x, y, w, h;
};

// The template in dialog units, in the order of Control. The combo box's height is taken from
// the control itself.
constexpr std::array<UnitRect, kControlCount> kTemplate = {{
    {4, 2, 190, 12},     // combo box
    {4, 16, 190, 41},    // clock
    {149, 168, 14, 16},  // one hour earlier
    {165, 168, 14, 16},  // real time
    {181, 168, 14, 16},  // one hour later
    {4, 58, 190, 107},   // departures
    {4, 169, 142, 83},   // arrival stations
    {149, 189, 14, 16},  // back to the first timetable
    {165, 189, 14, 16},  // back one transfer
    {181, 189, 14, 16},  // transfer
}};

// Rounded like the platform's MulDiv, as dialog units have always been converted.
int Scale(int units, int pixels, int per) {
    return (units * pixels + per / 2) / per;
}

}  // namespace

Rects TemplateRects(const DialogFont& font, int comboHeight) {
    const int cx = std::max(font.averageCharWidth, 1);
    const int cy = std::max(font.height, 1);
    Rects rects;
    for (int i = 0; i < kControlCount; ++i) {
        const UnitRect& u = kTemplate[static_cast<std::size_t>(i)];
        Rect& r = rects[static_cast<std::size_t>(i)];
        r.left = Scale(u.x, cx, 4);
        r.top = Scale(u.y, cy, 8);
        r.right = r.left + Scale(u.w, cx, 4);
        r.bottom = r.top + Scale(u.h, cy, 8);
    }
    Rect& combo = rects[kCombo];
    combo.bottom = combo.top + comboHeight;
    const int overlap = combo.bottom + 2 - rects[kClock].top;
    if (overlap > 0) {
        for (int i = kClock; i < kControlCount; ++i) {
            rects[static_cast<std::size_t>(i)].top += overlap;
            rects[static_cast<std::size_t>(i)].bottom += overlap;
        }
    }
    return rects;
}

int InitialSide(const Rects& stored) {
    int right = 0;
    for (const Rect& r : stored) {
        right = std::max(right, r.right);
    }
    return right + stored[kCombo].left + 10;
}

Rects LayOut(const Rects& stored, const Frame& frame) {
    Rects out = stored;
    const Rect& list0 = stored[kDepartures];
    const int dx = frame.width - list0.right - 4;
    auto widen = [dx](const Rect& r) { return r.right + dx; };

    int shift = 0;
    if (frame.comboShown) {
        out[kCombo].right = widen(stored[kCombo]);
    } else {
        shift = stored[kCombo].height();
    }
    const Rect& clock0 = stored[kClock];
    out[kClock] = {clock0.left, clock0.top - shift, widen(clock0),
                   clock0.top - shift + frame.clockHeight};
    shift += clock0.height() - frame.clockHeight;

    const Rect& arrivals0 = stored[kArrivals];
    // Truncating toward zero, as the template arithmetic always has.
    const int u = (frame.height + shift - arrivals0.bottom - 4) / 2 - shift;
    out[kDepartures] = {list0.left, list0.top - shift, widen(list0), list0.bottom + u};
    out[kArrivals] = {arrivals0.left, arrivals0.top + u, widen(arrivals0), frame.height - 4};

    // The buttons keep their size and follow the right edge and the arrival list's top.
    for (Control c :
         {kHourEarlier, kRealTime, kHourLater, kTransferFirst, kTransferBack, kTransferGo}) {
        const Rect& b = stored[c];
        out[c] = {b.left + dx, b.top + u, b.right + dx, b.bottom + u};
    }
    return out;
}

}  // namespace winlayout
