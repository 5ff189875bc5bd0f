// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "gtfs/CallingTrip.h"

class FeedSource;

// Fills route, service, direction and (where no stop_headsign gave one) the headsign of `trips`
// (sorted by trip id) from trips.txt.
// Throws GtfsError when a trip is missing there.
void AddTripDetails(const FeedSource& feed, std::vector<CallingTrip>& trips);
