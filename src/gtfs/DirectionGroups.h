// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include "gtfs/CallingTrip.h"
#include "gtfs/RouteNames.h"

class StopTable;

// The departures of one timetable file: one route as riders know it, in one direction.
struct DirectionGroup {
    // The names most of its departures carry.
    std::string routeName;
    std::string longName;
    std::string agencyName;
    std::vector<const CallingTrip*> trips;  // in the order given
};

// Splits departures into files by route as riders know it (`routes`, by route_id) and direction.
// Within one route_id the direction_id tells the directions apart; without one, or where one
// trip leaves the stop toward different next stops (a loop through it), the next stop does.
// Route ids of one rider route share a file where they leave toward a common next stop, or
// else carry the same direction_id, unless that would join two directions of one route_id.
// Groups come in the order of their first departure.
std::vector<DirectionGroup> GroupByDirection(const std::vector<CallingTrip>& trips,
                                             const std::map<std::string, RouteNames>& routes,
                                             const StopTable& stops);
