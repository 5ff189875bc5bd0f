// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// One row of stop_times.txt of a trip that calls at the chosen stop, as the import needs it.
struct TripCall {
    long sequence = 0;
    std::uint32_t stop = 0;  // index into the StopTable
    int arrival = -1;        // seconds after the service day's start; -1 when not given
    int departure = -1;
    double distance = -1.0;      // shape_dist_traveled; negative when not given
    bool chosen = false;         // at one of the chosen stop's poles
    bool noPickup = false;       // pickup_type 1: riders cannot board here
    std::uint32_t headsign = 0;  // stop_headsign, as an index into the scan's texts; 0 for none

    bool Timed() const { return arrival >= 0 || departure >= 0; }
    int LeaveTime() const { return departure >= 0 ? departure : arrival; }
    int ReachTime() const { return arrival >= 0 ? arrival : departure; }
};
