// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A rectangle in pixels, as the board's layouts compute it. It excludes its right and bottom edge,
// so its width is right - left.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};
