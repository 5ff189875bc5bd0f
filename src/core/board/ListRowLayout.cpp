// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ListRowLayout.h"

#include <algorithm>
#include <cstdint>

namespace listrow {

namespace {

constexpr int kPulsePeriod = 20;
constexpr int kTickSeconds = 30;

}  // namespace

int VisibleRowCount(int clientHeight, int rowHeight) {
    const int h = std::max(rowHeight < 0 ? -rowHeight : rowHeight, 1);
    return std::max((clientHeight + h - 1) / h, 0);
}

ProgressBar LayOutProgressBar(const Rect& row, int seconds, int progressMinutes) {
    ProgressBar bar;
    const long long period = static_cast<long long>(progressMinutes) * 60;
    if (seconds < 0 || seconds >= period) {
        return bar;
    }
    const long long width = row.right - row.left;
    bar.shown = true;
    bar.left = static_cast<int>(row.right - width * seconds / period);
    bar.top = row.top + 1;
    bar.bottom = row.bottom - 1;
    const long long marks = period / kTickSeconds;
    // A hand-edited Progress can ask for more marks than the row has pixels: only every
    // stride-th is laid out then, so there are never more marks than pixels to lay out.
    const long long stride = width > 0 ? std::max(1LL, (marks + width - 1) / width) : marks;
    const int height = row.bottom - row.top;
    for (long long k = stride; k < marks; k += stride) {
        Tick tick;
        tick.x = static_cast<int>(row.right - k * width / marks);
        tick.top = row.top + 2;
        // Whole minutes get long marks, half minutes short ones.
        tick.bottom = row.bottom - (k % 2 == 0 ? 2 : height * 5 / 10);
        tick.onBar = tick.x >= bar.left;
        bar.ticks.push_back(tick);
    }
    return bar;
}

int PulseLevel(unsigned frame) {
    const int f = static_cast<int>(frame % kPulsePeriod);
    return f > kPulsePeriod / 2 ? kPulsePeriod - f : f;
}

ColorRef BarColor(ColorRef background, ColorRef text, int pulse) {
    ColorRef out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const auto bg = static_cast<int>((background >> shift) & 0xFF);
        const auto fg = static_cast<int>((text >> shift) & 0xFF);
        const int mixed = (bg * (20 - pulse) + fg * (pulse + 3)) / 23;
        out |= static_cast<ColorRef>(std::clamp(mixed, 0, 255)) << shift;
    }
    return out;
}

ColorRef DimmedColor(ColorRef text, ColorRef background) {
    ColorRef out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const ColorRef mixed = (((text >> shift) & 0xFF) + ((background >> shift) & 0xFF)) / 2;
        out |= mixed << shift;
    }
    return out;
}

bool NoteFollowsText(int noteWidth, int availableWidth, int scrollMode, bool selectedOnly,
                     bool selected) {
    return noteWidth <= availableWidth || scrollMode == 0 || (selectedOnly && !selected);
}

long long NoteScrollStep(int scrollMode, unsigned frame) {
    switch (scrollMode) {
        case 1:
            return frame;
        case 2:
            return static_cast<long long>(frame) * 2;
        default:
            return 0;
    }
}

clocklayout::WrapPieces NotePieces(int scrollMode, unsigned frame, int noteWidth,
                                   int availableWidth) {
    return clocklayout::WrapAround(NoteScrollStep(scrollMode, frame), noteWidth, availableWidth);
}

}  // namespace listrow
