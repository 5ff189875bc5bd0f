// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "board/ClockLayout.h"
#include "board/Rect.h"
#include "settings/ColorTable.h"

// The arithmetic of one departure-list row: how many rows fill the list, the progress bar that
// shrinks toward the right edge as a departure approaches, its pulse, and the note that either
// follows the row text or scrolls sideways behind it.
namespace listrow {

// Rows needed to cover a client area, counting a partly visible last row.
int VisibleRowCount(int clientHeight, int rowHeight);

// A tick mark of the progress bar, from `top` down to `bottom` (exclusive), two pixels wide.
struct Tick {
    int x = 0;
    int top = 0;
    int bottom = 0;
    bool onBar = false;  // inside the bar: drawn in the background colour, else in the bar's
};

struct ProgressBar {
    bool shown = false;
    int left = 0;  // the bar runs from here to the row's right edge
    int top = 0;
    int bottom = 0;
    std::vector<Tick> ticks;  // one every 30 seconds: long at whole minutes, short between
};

// The bar for a departure `seconds` away when the bar starts `progressMinutes` before departure;
// none for departed trains, blank rows (seconds -1) or a bar switched off.
ProgressBar LayOutProgressBar(const Rect& row, int seconds, int progressMinutes);

// The bar pulses with a period of 20 refreshes: 0 up to 10 and back down.
int PulseLevel(unsigned frame);

// The bar's colour: the background blended toward the text colour by the pulse level.
ColorRef BarColor(ColorRef background, ColorRef text, int pulse);

// The text colour of a train out of reach: halfway from `text` toward `background`.
ColorRef DimmedColor(ColorRef text, ColorRef background);

// Whether the note is simply drawn after the row text: when it fits, when scrolling is off, or
// when only the selected row scrolls and this row is not selected.
bool NoteFollowsText(int noteWidth, int availableWidth, int scrollMode, bool selectedOnly,
                     bool selected);

// How far the note has moved: ScrollMode 1 one pixel per refresh, 2 two pixels, others none.
long long NoteScrollStep(int scrollMode, unsigned frame);

// The pieces of a scrolling note in the room left of the row text.
clocklayout::WrapPieces NotePieces(int scrollMode, unsigned frame, int noteWidth,
                                   int availableWidth);

}  // namespace listrow
