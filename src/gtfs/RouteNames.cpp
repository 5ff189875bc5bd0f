// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/RouteNames.h"

#include <optional>

#include "gtfs/CsvTable.h"
#include "gtfs/FeedSource.h"
#include "gtfs/GtfsError.h"

namespace {

std::map<std::string, std::string> ReadAgencyNames(const FeedSource& feed) {
    std::map<std::string, std::string> names;
    if (!feed.Has("agency.txt")) {
        return names;
    }
    CsvTable table(feed, "agency.txt");
    const std::optional<std::size_t> id = table.FindColumn("agency_id");
    const std::optional<std::size_t> name = table.FindColumn("agency_name");
    while (table.Next()) {
        names.emplace(table.Field(id), table.Field(name));
    }
    return names;
}

}  // namespace

std::map<std::string, RouteNames> ReadRouteNames(const FeedSource& feed,
                                                 const std::vector<CallingTrip>& trips) {
    std::map<std::string, RouteNames> routes;
    for (const CallingTrip& trip : trips) {
        routes.emplace(trip.routeId, RouteNames());
    }
    const std::map<std::string, std::string> agencies = ReadAgencyNames(feed);
    CsvTable table(feed, "routes.txt");
    const std::size_t id = table.Column("route_id");
    const std::optional<std::size_t> agency = table.FindColumn("agency_id");
    const std::optional<std::size_t> shortName = table.FindColumn("route_short_name");
    const std::optional<std::size_t> longName = table.FindColumn("route_long_name");
    const std::optional<std::size_t> parent = table.FindColumn("jp_parent_route_id");
    while (table.Next()) {
        const auto it = routes.find(std::string(table.Field(id)));
        if (it == routes.end()) {
            continue;
        }
        RouteNames& route = it->second;
        route.longName = table.Field(longName);
        route.name = table.Field(shortName);
        if (route.name.empty()) {
            route.name = route.longName.empty() ? it->first : route.longName;
        }
        std::string agencyId(table.Field(agency));
        // A feed of one operator may leave the routes' agency_id empty.
        if (agencyId.empty() && agencies.size() == 1) {
            agencyId = agencies.begin()->first;
        }
        const auto agencyName = agencies.find(agencyId);
        if (agencyName != agencies.end()) {
            route.agencyName = agencyName->second;
        }
        const std::string_view parentRoute = table.Field(parent);
        route.key = parentRoute.empty() ? RiderRouteKey{agencyId, false, route.name}
                                        : RiderRouteKey{agencyId, true, std::string(parentRoute)};
    }
    for (const auto& [routeId, route] : routes) {
        if (route.name.empty()) {
            throw GtfsError("trips.txt names the route \"" + routeId +
                            "\", which routes.txt lacks");
        }
    }
    return routes;
}
