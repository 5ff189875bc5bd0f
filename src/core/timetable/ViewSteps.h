// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "timetable/Moment.h"

class Timetable;

// Where the departure list goes when the traveller steps away from the present: an hour earlier
// or later, or to the departure above the top row.

struct HourStep {
    Moment moment;  // the top of the hour reached
    int index = 0;  // its first departure
};

// From the view moment, the nearest earlier or later hour that has departures; stepping earlier
// from inside an hour first goes to that hour's top. Later than the night's last hour comes the
// next day's first. None when no hour within two days has any.
std::optional<HourStep> FindHourStep(const Timetable& timetable, bool later);

// The moment of the departure above row `topRow`, on the calendar day its time of the timetable
// day on show falls on; none at the top of the list, below the last departure, or without a
// section.
std::optional<Moment> PreviousDepartureMoment(const Timetable& timetable, int topRow);
