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

// From the view moment, the nearest earlier or later hour of the timetable day that has
// departures; stepping earlier from inside an hour first goes to that hour's top. None when no
// hour within two days has any (a day without departures). The search leaves the view moment
// of `timetable` at the hour reached, as showing it does.
std::optional<HourStep> FindHourStep(Timetable& timetable, bool later);

// The moment of the departure above row `topRow`, on the calendar day its time of the timetable
// day falls on; none at the top of the list, below the last departure, or without a section.
std::optional<Moment> PreviousDepartureMoment(const Timetable& timetable, int topRow);
