// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "gtfs/CallingTrip.h"
#include "gtfs/TimetableDraft.h"

class StopTable;

// A departing trip and the mark its departures carry ('-' for none).
struct MarkedTrip {
    const CallingTrip* trip = nullptr;
    wchar_t mark = L'-';
};

// The stations after the departure stop, in the order the trips call at them (stops of one
// name are one station), each with the most common travel time of every mark's trips. Travel
// times count whole minutes of the timetable, so that departure plus travel time gives the
// arrival the feed shows.
std::vector<DraftStation> BuildArrivalStations(const std::vector<MarkedTrip>& trips,
                                               const StopTable& stops,
                                               std::string_view departureStopName);
