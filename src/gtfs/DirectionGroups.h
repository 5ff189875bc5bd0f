#pragma once

#include <string>
#include <vector>

#include "gtfs/CallingTrip.h"

class StopTable;

// The trips of one timetable file: one route in one direction.
struct DirectionGroup {
    std::string routeId;
    std::vector<const CallingTrip*> trips;
};

// Splits trips by route and direction_id; a trip without direction_id goes with the trips whose
// next stop after the departure stop has the same name. Groups come sorted by route and
// direction.
std::vector<DirectionGroup> GroupByDirection(const std::vector<CallingTrip>& trips,
                                             const StopTable& stops);
