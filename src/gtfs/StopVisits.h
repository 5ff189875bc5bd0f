// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "gtfs/CallingTrip.h"
#include "gtfs/TripCall.h"

// What was left out of one stop's visits, for the import's report.
struct VisitCounts {
    std::size_t untimedCalls = 0;   // calls at the stop with no time, not even between timepoints
    std::size_t noPickupCalls = 0;  // departures where riders cannot board
};

// The departures of one trip from the chosen stop. A visit is a run of consecutive calls at the
// stop's poles; it departs at the run's first timed call when riders may board there and the
// trip goes on beyond the stop. `calls` are the trip's, in stop_sequence order, with times
// interpolated; `headsigns` holds the texts their headsign indices name.
std::vector<CallingTrip> FindDepartures(const std::string& tripId,
                                        const std::vector<TripCall>& calls,
                                        const std::vector<std::string>& headsigns,
                                        VisitCounts& counts);
