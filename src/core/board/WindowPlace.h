// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

// A window's place on the desktop in pixels: the top-left corner of its frame and the size of
// its client area, as a window is moved and resized.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowPlace&) const = default;
};

// A screen's area that windows may take, in the same coordinates.
struct ScreenArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// `place` brought wholly onto the screen that holds most of it, or onto the first screen when
// none holds any of it (a screen unplugged since, a hand-edited place): no larger than that
// screen and no smaller than `minWidth` x `minHeight`. Nothing without a screen.
std::optional<WindowPlace> FitOnScreens(const WindowPlace& place,
                                        const std::vector<ScreenArea>& screens, int minWidth,
                                        int minHeight);
