// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/DirectionGroups.h"

#include <optional>
#include <set>
#include <string_view>
#include <tuple>

#include "gtfs/StopTable.h"

namespace {

// The departures of one route_id in one direction, as the feed tells them apart, joined into
// files; a file never takes two direction_ids of one route_id.
class DirectionUnits {
public:
    std::size_t Add(std::string_view routeId, std::optional<int> direction) {
        parent_.push_back(parent_.size());
        directions_.emplace_back();
        if (direction) {
            directions_.back().emplace(routeId, *direction);
        }
        return parent_.size() - 1;
    }

    std::size_t FileOf(std::size_t unit) {
        while (parent_[unit] != unit) {
            unit = parent_[unit] = parent_[parent_[unit]];
        }
        return unit;
    }

    void Join(std::size_t a, std::size_t b) {
        a = FileOf(a);
        b = FileOf(b);
        if (a == b) {
            return;
        }
        for (const auto& [routeId, direction] : directions_[b]) {
            const auto it = directions_[a].find(routeId);
            if (it != directions_[a].end() && it->second != direction) {
                return;
            }
        }
        directions_[a].merge(directions_[b]);
        parent_[b] = a;
    }

private:
    std::vector<std::size_t> parent_;
    std::vector<std::map<std::string_view, int>> directions_;  // per file: route_id's direction
};

// The name of the first stop after the departure that is not the departure stop again.
std::string_view NextStopName(const CallingTrip& trip, const StopTable& stops) {
    const std::string& here = stops.At(trip.stop).name;
    for (const LaterCall& call : trip.later) {
        if (stops.At(call.stop).name != here) {
            return stops.At(call.stop).name;
        }
    }
    return stops.At(trip.later.front().stop).name;
}

// Joins the units of departures that share a key; `key` gives none for a departure to leave.
template <typename Key, typename KeyOf>
void JoinAlike(DirectionUnits& units, const std::vector<std::size_t>& unitOf, KeyOf keyOf) {
    std::map<Key, std::size_t> first;
    for (std::size_t i = 0; i < unitOf.size(); ++i) {
        if (const std::optional<Key> key = keyOf(i)) {
            const auto [it, added] = first.try_emplace(*key, unitOf[i]);
            if (!added) {
                units.Join(it->second, unitOf[i]);
            }
        }
    }
}

// The value of `field` most of the group's departures carry; the least of those tied.
std::string MostCommon(const DirectionGroup& group, const std::map<std::string, RouteNames>& routes,
                       std::string RouteNames::*field) {
    std::map<std::string_view, std::size_t> counts;
    for (const CallingTrip* trip : group.trips) {
        ++counts[routes.at(trip->routeId).*field];
    }
    std::string_view most;
    std::size_t mostCount = 0;
    for (const auto& [value, count] : counts) {
        if (count > mostCount) {
            most = value;
            mostCount = count;
        }
    }
    return std::string(most);
}

}  // namespace

std::vector<DirectionGroup> GroupByDirection(const std::vector<CallingTrip>& trips,
                                             const std::map<std::string, RouteNames>& routes,
                                             const StopTable& stops) {
    std::vector<std::string_view> next(trips.size());
    std::map<std::string_view, std::set<std::string_view>> nextStopsOfTrip;
    for (std::size_t i = 0; i < trips.size(); ++i) {
        next[i] = NextStopName(trips[i], stops);
        nextStopsOfTrip[trips[i].tripId].insert(next[i]);
    }

    // Rider routes by index, so that departures of different ones never join.
    std::map<RiderRouteKey, std::size_t> riders;
    std::vector<std::size_t> riderOf(trips.size());
    std::vector<std::optional<int>> directionOf(trips.size());
    using UnitKey = std::tuple<std::string_view, std::optional<int>, std::string_view>;
    std::map<UnitKey, std::size_t> unitIndex;
    std::vector<std::size_t> unitOf(trips.size());
    DirectionUnits units;
    for (std::size_t i = 0; i < trips.size(); ++i) {
        const CallingTrip& trip = trips[i];
        riderOf[i] = riders.try_emplace(routes.at(trip.routeId).key, riders.size()).first->second;
        if (nextStopsOfTrip[trip.tripId].size() == 1) {
            directionOf[i] = trip.direction;
        }
        const UnitKey key{trip.routeId, directionOf[i],
                          directionOf[i] ? std::string_view() : next[i]};
        const auto [it, added] = unitIndex.try_emplace(key, 0);
        if (added) {
            it->second = units.Add(trip.routeId, directionOf[i]);
        }
        unitOf[i] = it->second;
    }
    using NextKey = std::pair<std::size_t, std::string_view>;
    JoinAlike<NextKey>(units, unitOf, [&](std::size_t i) {
        return std::optional<NextKey>({riderOf[i], next[i]});
    });
    using DirectionKey = std::pair<std::size_t, int>;
    JoinAlike<DirectionKey>(units, unitOf, [&](std::size_t i) {
        return directionOf[i] ? std::optional<DirectionKey>({riderOf[i], *directionOf[i]})
                              : std::nullopt;
    });

    std::vector<DirectionGroup> groups;
    std::map<std::size_t, std::size_t> groupOfFile;
    for (std::size_t i = 0; i < trips.size(); ++i) {
        const auto [it, added] = groupOfFile.try_emplace(units.FileOf(unitOf[i]), groups.size());
        if (added) {
            groups.emplace_back();
        }
        groups[it->second].trips.push_back(&trips[i]);
    }
    for (DirectionGroup& group : groups) {
        group.routeName = MostCommon(group, routes, &RouteNames::name);
        group.longName = MostCommon(group, routes, &RouteNames::longName);
        group.agencyName = MostCommon(group, routes, &RouteNames::agencyName);
    }
    return groups;
}
