// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/CallTimes.h"

#include <cmath>

namespace {

// The share of the way from `from` to `to` that call `at` lies at.
double Share(const std::vector<TripCall>& calls, std::size_t from, std::size_t at, std::size_t to) {
    const double start = calls[from].distance;
    const double end = calls[to].distance;
    const double here = calls[at].distance;
    if (start >= 0 && here >= start && end > start && here <= end) {
        return (here - start) / (end - start);
    }
    return static_cast<double>(at - from) / static_cast<double>(to - from);
}

}  // namespace

std::size_t InterpolateTimes(std::vector<TripCall>& calls) {
    std::size_t interpolated = 0;
    std::size_t previous = calls.size();  // the last timed call seen
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (!calls[i].Timed()) {
            continue;
        }
        if (previous < calls.size() && i > previous + 1) {
            const int leave = calls[previous].LeaveTime();
            const int span = calls[i].ReachTime() - leave;
            for (std::size_t gap = previous + 1; gap < i; ++gap) {
                const double offset = std::round(span * Share(calls, previous, gap, i));
                calls[gap].arrival = leave + static_cast<int>(offset);
                calls[gap].departure = calls[gap].arrival;
                ++interpolated;
            }
        }
        previous = i;
    }
    return interpolated;
}
