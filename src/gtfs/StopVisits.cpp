// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/StopVisits.h"

namespace {

CallingTrip Departure(const std::string& tripId, const std::vector<TripCall>& calls,
                      std::size_t from, std::size_t after,
                      const std::vector<std::string>& headsigns) {
    const TripCall& call = calls[from];
    CallingTrip trip;
    trip.tripId = tripId;
    trip.stop = call.stop;
    trip.sequence = call.sequence;
    trip.departure = call.LeaveTime();
    trip.headsign = headsigns[call.headsign];
    trip.lastStop = calls.back().stop;
    for (std::size_t i = after; i < calls.size(); ++i) {
        if (!calls[i].chosen) {
            trip.later.push_back({calls[i].stop, calls[i].ReachTime()});
        }
    }
    return trip;
}

}  // namespace

std::vector<CallingTrip> FindDepartures(const std::string& tripId,
                                        const std::vector<TripCall>& calls,
                                        const std::vector<std::string>& headsigns,
                                        VisitCounts& counts) {
    std::vector<CallingTrip> departures;
    for (std::size_t first = 0; first < calls.size(); ++first) {
        if (!calls[first].chosen) {
            continue;
        }
        std::size_t end = first;
        while (end < calls.size() && calls[end].chosen) {
            ++end;
        }
        std::size_t timed = first;
        while (timed < end && !calls[timed].Timed()) {
            ++timed;
        }
        // A trip that ends at the stop does not depart from it.
        if (end == calls.size()) {
            break;
        }
        if (timed == end) {
            counts.untimedCalls += end - first;
        } else if (calls[timed].noPickup) {
            ++counts.noPickupCalls;
        } else {
            departures.push_back(Departure(tripId, calls, timed, end, headsigns));
        }
        first = end - 1;
    }
    return departures;
}
