#pragma once

#include "board/ActivityIndicator.h"
#include "board/DepartureReminder.h"

// What lasts for the whole run, across the windows that a restart builds anew.
struct RunState {
    ActivityIndicator indicator;
    DepartureReminder reminder;
};
