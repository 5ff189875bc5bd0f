// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <map>
#include <string>
#include <vector>

#include "gtfs/CallingTrip.h"

class FeedSource;

// What riders know a route by, under one operator: GTFS-JP's parent route where the feed gives
// one, else the short name, else the long name, else the route_id. Route ids that share a key
// are one route to riders.
struct RiderRouteKey {
    std::string agencyId;
    bool parentRoute = false;  // `text` is a jp_parent_route_id, not a name
    std::string text;

    auto operator<=>(const RiderRouteKey&) const = default;
};

struct RouteNames {
    RiderRouteKey key;
    std::string name;  // the short name, else the long name, else the route_id
    std::string longName;
    std::string agencyName;  // from agency.txt; empty when the feed names none
};

// routes.txt (and agency.txt, where present) for the routes `trips` run on, by route_id.
// Throws GtfsError when a route is missing in routes.txt.
std::map<std::string, RouteNames> ReadRouteNames(const FeedSource& feed,
                                                 const std::vector<CallingTrip>& trips);
