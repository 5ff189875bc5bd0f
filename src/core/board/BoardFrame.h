// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What the arrival list must do after a board command.
enum class ArrivalsChange {
    Keep,     // the stations on show stay
    Rebuild,  // the stations of the selected departure
    Clear,    // none: no departure is selected
};

// What the board shows after one of its commands. The selection, the next departure, the mode
// and the captions are the whole state, to be applied as they stand; a refill and a top row are
// things to do once.
struct BoardFrame {
    bool refilled = false;       // the section on show changed: the rows are made again
    int topRow = -1;             // the row to scroll to the top; -1 leaves the scroll alone
    int selectedRow = -1;        // -1: none
    bool selectInPlace = false;  // select without scrolling: the traveller looks elsewhere
    int nextRow = -1;            // the next departure; -1 without a section for the day
    bool realTime = true;
    ArrivalsChange arrivals = ArrivalsChange::Keep;
    std::wstring caption1;  // of the section on show; empty without one
    std::wstring caption2;
};
