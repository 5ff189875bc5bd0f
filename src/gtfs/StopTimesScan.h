// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "gtfs/CallingTrip.h"

class FeedSource;
class StopTable;

// What stop_times.txt (and frequencies.txt) say about the departures from the chosen stops.
struct StopTimesResult {
    std::vector<CallingTrip> trips;     // one per departure, sorted by trip id
    std::size_t untimedCalls = 0;       // calls at the stop without any time, left out
    std::size_t interpolatedCalls = 0;  // calls at the stop timed between two timepoints
    std::size_t noPickupCalls = 0;      // departures where riders cannot board, left out
    std::size_t rowsRead = 0;
};

// Reads stop_times.txt twice, keeping only what the chosen stops need: first which trips call
// at those stops, then every call of those trips. Memory thus follows the stop's trips, not the
// size of the feed, and the rows may come in any order.
StopTimesResult ScanStopTimes(const FeedSource& feed, const StopTable& stops,
                              const std::vector<std::size_t>& chosen);
