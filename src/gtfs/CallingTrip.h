// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A stop a trip reaches after it left the chosen stop.
struct LaterCall {
    std::uint32_t stop = 0;  // index into the StopTable
    int arrival = -1;        // seconds after the service day's start; -1 when the feed has none
};

// One departure of a trip from the chosen stop. A trip that leaves the stop, comes back and
// leaves again departs twice, as two CallingTrips of the same trip id; a trip repeated by
// frequencies.txt departs once per repetition.
struct CallingTrip {
    std::string tripId;
    std::uint32_t stop = 0;        // the pole it leaves from
    long sequence = 0;             // its stop_sequence there
    int departure = 0;             // seconds after the service day's start
    std::vector<LaterCall> later;  // the calls outside the chosen stop after it, in trip order
    std::uint32_t lastStop = 0;    // where the trip ends
    // The sign at this departure: the call's stop_headsign, else the trip's trip_headsign.
    std::string headsign;

    // From trips.txt.
    std::string routeId;
    std::string serviceId;
    std::optional<int> direction;
};
