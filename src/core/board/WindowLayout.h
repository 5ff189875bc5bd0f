// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "board/Rect.h"

// Where the main window puts its controls. The window is drawn on a template in dialog units
// (a quarter of the dialog font's average character width, an eighth of its height); on every
// resize the controls move from their template places so that the two lists share the growth
// equally, the buttons follow the right edge and the top of the arrival list, and the room of a
// hidden combo box or a shorter clock goes to the lists. Coordinates are client pixels;
// rectangles exclude their right and bottom edge.
namespace winlayout {

// The controls in the order the layout keeps them.
enum Control {
    kCombo,
    kClock,
    kHourEarlier,
    kRealTime,
    kHourLater,
    kDepartures,
    kArrivals,
    kTransferFirst,
    kTransferBack,
    kTransferGo,
    kControlCount
};
using Rects = std::array<Rect, kControlCount>;

// Pixels per dialog unit come from the dialog font: its average character width and height.
struct DialogFont {
    int averageCharWidth = 6;
    int height = 13;
};

// The template's places in pixels. `comboHeight` is the closed combo box's own height; when it
// reaches below the clock's template top, everything under it moves down to make room.
Rects TemplateRects(const DialogFont& font, int comboHeight);

// The window's first client size: as wide as the template plus 10 pixels, and as high.
int InitialSide(const Rects& stored);

struct Frame {
    int width = 0;  // client area
    int height = 0;
    bool comboShown = true;
    int clockHeight = 0;  // what the clock needs for its fonts
};

// The places for a client area of `frame`, computed from the template places `stored`.
Rects LayOut(const Rects& stored, const Frame& frame);

}  // namespace winlayout
