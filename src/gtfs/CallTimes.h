// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

#include "gtfs/TripCall.h"

// Gives the untimed calls between two timed ones (legal where a stop is no timepoint) the time
// the vehicle passes there: by shape_dist_traveled where the three calls have it, else evenly by
// stop order. Calls before the first or after the last timed call stay untimed. `calls` are one
// trip's, in stop_sequence order. Returns how many calls took a time.
std::size_t InterpolateTimes(std::vector<TripCall>& calls);
