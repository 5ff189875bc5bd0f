#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A stop a trip reaches after the chosen stop.
struct LaterCall {
    std::uint32_t stop = 0;  // index into the StopTable
    int arrival = -1;        // seconds after the service day's start; -1 when the feed has none
};

// A trip that departs from the chosen stop, with what the timetable needs to know about it.
struct CallingTrip {
    std::string tripId;
    std::uint32_t stop = 0;        // the platform it leaves from
    long sequence = 0;             // its stop_sequence there
    int departure = 0;             // seconds after the service day's start
    std::vector<LaterCall> later;  // in the order the trip calls at them

    // From trips.txt.
    std::string routeId;
    std::string serviceId;
    std::string headsign;
    std::optional<int> direction;
};
