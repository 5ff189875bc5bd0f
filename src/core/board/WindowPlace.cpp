// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/WindowPlace.h"

#include <algorithm>
#include <cstdint>

namespace {

std::int64_t Overlap(int start, int length, int areaStart, int areaLength) {
    const std::int64_t from = std::max<std::int64_t>(start, areaStart);
    const std::int64_t to =
        std::min<std::int64_t>(std::int64_t{start} + length, std::int64_t{areaStart} + areaLength);
    return std::max<std::int64_t>(0, to - from);
}

std::int64_t SharedArea(const WindowPlace& place, const ScreenArea& screen) {
    return Overlap(place.x, place.width, screen.x, screen.width) *
           Overlap(place.y, place.height, screen.y, screen.height);
}

// The window's extent and start on one axis of the screen's.
void FitAxis(int& start, int& length, int minLength, int areaStart, int areaLength) {
    length = std::max(minLength, std::min(length, areaLength));
    const int last = areaStart + std::max(0, areaLength - length);
    start = std::clamp(start, areaStart, last);
}

}  // namespace

std::optional<WindowPlace> FitOnScreens(const WindowPlace& place,
                                        const std::vector<ScreenArea>& screens, int minWidth,
                                        int minHeight) {
    if (screens.empty()) {
        return std::nullopt;
    }
    const ScreenArea* best = &screens.front();
    std::int64_t bestArea = 0;
    for (const ScreenArea& screen : screens) {
        if (const std::int64_t area = SharedArea(place, screen); area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    WindowPlace fitted = place;
    FitAxis(fitted.x, fitted.width, minWidth, best->x, best->width);
    FitAxis(fitted.y, fitted.height, minHeight, best->y, best->height);
    return fitted;
}
