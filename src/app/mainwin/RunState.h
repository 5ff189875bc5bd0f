// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/ActivityIndicator.h"
#include "board/DepartureReminder.h"

// What lasts for the whole run, across the windows that a restart builds anew.
struct RunState {
    ActivityIndicator indicator;
    DepartureReminder reminder;
    // The settings confirmed last could not be saved: the next window must not read the file.
    bool settingsAheadOfFile = false;
};
