// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "gtfs/CallingTrip.h"
#include "gtfs/ServiceWeek.h"

class ServiceCalendar;

struct TripDeparture {
    int minutes = 0;       // of the timetable day
    std::size_t trip = 0;  // index into the trips given
};

// Departures per day type, in time order.
using WeekDepartures = std::array<std::vector<TripDeparture>, kDayTypeCount>;

// The timetable files are read with the default day-change hour: hours 0 to 2 count as the
// night before. A feed's trip at 00:30 on Saturday's service therefore belongs to Friday's
// section as 24:30, and one at 27:10 to the next day's as 03:10.
WeekDepartures CollectWeekDepartures(const std::vector<const CallingTrip*>& trips,
                                     const ServiceWeek& week, const ServiceCalendar& calendar);
