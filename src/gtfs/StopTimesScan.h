#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "gtfs/CallingTrip.h"

class FeedSource;
class StopTable;

// What stop_times.txt says about the trips that leave from the chosen stops.
struct StopTimesResult {
    std::vector<CallingTrip> trips;  // sorted by trip id; trips ending at the stop left out
    std::size_t untimedCalls = 0;    // calls at the stop without any time, left out
    std::size_t rowsRead = 0;
};

// Reads stop_times.txt twice, keeping only what the chosen stops need: first the calls at those
// stops, then the later calls of the trips found. Memory thus follows the stop's trips, not the
// size of the feed, and the rows may come in any order.
StopTimesResult ScanStopTimes(const FeedSource& feed, const StopTable& stops,
                              const std::vector<std::size_t>& chosen);
