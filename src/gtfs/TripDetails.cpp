// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/TripDetails.h"

#include <algorithm>
#include <span>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsError.h"
#include "gtfs/GtfsFields.h"

namespace {

// The departures of trip `id`: a trip may depart more than once.
std::span<CallingTrip> FindTrip(std::vector<CallingTrip>& trips, std::string_view id) {
    const auto less = [](const CallingTrip& trip, std::string_view key) {
        return trip.tripId < key;
    };
    const auto first = std::lower_bound(trips.begin(), trips.end(), id, less);
    auto last = first;
    while (last != trips.end() && last->tripId == id) {
        ++last;
    }
    return {first, last};
}

std::optional<int> Direction(const CsvTable& table, const std::optional<std::size_t>& column) {
    const std::string_view text = table.Field(column);
    if (text.empty()) {
        return std::nullopt;
    }
    const std::optional<long> direction = gtfs::ParseCount(text);
    if (!direction || *direction > 1) {
        table.Fail(*column, "direction_id must be 0 or 1, not \"" + std::string(text) + "\"");
    }
    return static_cast<int>(*direction);
}

}  // namespace

void AddTripDetails(const FeedSource& feed, std::vector<CallingTrip>& trips) {
    CsvTable table(feed, "trips.txt");
    const std::size_t id = table.Column("trip_id");
    const std::size_t route = table.Column("route_id");
    const std::size_t service = table.Column("service_id");
    const std::optional<std::size_t> headsign = table.FindColumn("trip_headsign");
    const std::optional<std::size_t> direction = table.FindColumn("direction_id");
    while (table.Next()) {
        const std::span<CallingTrip> departures = FindTrip(trips, table.Field(id));
        if (departures.empty()) {
            continue;
        }
        if (table.Field(service).empty()) {
            table.Fail(service, "empty service_id");
        }
        for (CallingTrip& trip : departures) {
            trip.routeId = table.Field(route);
            trip.serviceId = table.Field(service);
            // A stop_headsign overrides the trip's sign at that call only.
            if (trip.headsign.empty()) {
                trip.headsign = table.Field(headsign);
            }
            trip.direction = Direction(table, direction);
        }
    }
    for (const CallingTrip& trip : trips) {
        if (trip.serviceId.empty()) {
            throw GtfsError("stop_times.txt names the trip \"" + trip.tripId +
                            "\", which trips.txt lacks");
        }
    }
}
