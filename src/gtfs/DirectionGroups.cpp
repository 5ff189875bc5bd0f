#include "gtfs/DirectionGroups.h"

#include <map>
#include <utility>

#include "gtfs/StopTable.h"

std::vector<DirectionGroup> GroupByDirection(const std::vector<CallingTrip>& trips,
                                             const StopTable& stops) {
    std::map<std::pair<std::string, std::string>, DirectionGroup> groups;
    for (const CallingTrip& trip : trips) {
        // Direction ids sort before stop names, which cannot start with a control character.
        const std::string direction = trip.direction
                                          ? std::string(1, static_cast<char>(*trip.direction))
                                          : stops.At(trip.later.front().stop).name;
        DirectionGroup& group = groups[{trip.routeId, direction}];
        group.routeId = trip.routeId;
        group.trips.push_back(&trip);
    }
    std::vector<DirectionGroup> sorted;
    for (auto& [key, group] : groups) {
        sorted.push_back(std::move(group));
    }
    return sorted;
}
