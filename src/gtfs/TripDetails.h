#pragma once

#include <map>
#include <string>
#include <vector>

#include "gtfs/CallingTrip.h"

class FeedSource;

// Fills route, service, direction and (where no stop_headsign gave one) the headsign of `trips`
// (sorted by trip id) from trips.txt.
// Throws GtfsError when a trip is missing there.
void AddTripDetails(const FeedSource& feed, std::vector<CallingTrip>& trips);

// The names of the routes `trips` run on, from routes.txt: the short name, else the long name,
// else the id. Throws GtfsError when a route is missing there.
std::map<std::string, std::string> ReadRouteNames(const FeedSource& feed,
                                                  const std::vector<CallingTrip>& trips);
