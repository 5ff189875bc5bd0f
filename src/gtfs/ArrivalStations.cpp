// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/ArrivalStations.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "gtfs/StopTable.h"
#include "text/WideText.h"

namespace {

// Lower-case marks first, then capitals, then '-' as the legend and the file list them.
int MarkOrder(wchar_t mark) {
    if (mark == L'-') {
        return 1000;
    }
    return mark >= L'a' ? static_cast<int>(mark) - L'a' : 100 + static_cast<int>(mark);
}

// The names of the stations of one trip after the departure stop, each once.
std::vector<std::string_view> CalledNames(const CallingTrip& trip, const StopTable& stops,
                                          std::string_view departureStopName) {
    std::vector<std::string_view> names;
    for (const LaterCall& call : trip.later) {
        const std::string_view name = stops.At(call.stop).name;
        if (name != departureStopName &&
            std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    }
    return names;
}

// Merges one trip's stations into the common order: a station not seen yet goes right after
// the trip's previous station, so skip-stop and short trips keep the line's order.
void MergeInto(std::vector<std::string_view>& order, const std::vector<std::string_view>& names) {
    std::size_t insertAt = 0;
    for (const std::string_view name : names) {
        const auto found = std::find(order.begin(), order.end(), name);
        if (found == order.end()) {
            order.insert(order.begin() + static_cast<std::ptrdiff_t>(insertAt), name);
            ++insertAt;
        } else {
            insertAt = std::max(insertAt, static_cast<std::size_t>(found - order.begin()) + 1);
        }
    }
}

// The most common value; the smaller one on a tie.
int MostCommon(const std::vector<int>& values) {
    std::map<int, int> counts;
    for (const int value : values) {
        ++counts[value];
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

}  // namespace

std::vector<DraftStation> BuildArrivalStations(const std::vector<MarkedTrip>& trips,
                                               const StopTable& stops,
                                               std::string_view departureStopName) {
    // Longer trips first, so that the trips running furthest set the order.
    std::vector<const MarkedTrip*> byLength;
    for (const MarkedTrip& trip : trips) {
        byLength.push_back(&trip);
    }
    std::stable_sort(byLength.begin(), byLength.end(), [](const auto* a, const auto* b) {
        return a->trip->later.size() > b->trip->later.size();
    });
    std::vector<std::string_view> order;
    for (const MarkedTrip* trip : byLength) {
        MergeInto(order, CalledNames(*trip->trip, stops, departureStopName));
    }

    // Travel minutes per station and mark.
    std::map<std::string_view, std::map<wchar_t, std::vector<int>>> travel;
    for (const MarkedTrip& marked : trips) {
        const int departureMinute = marked.trip->departure / 60;
        std::set<std::string_view> seen;
        for (const LaterCall& call : marked.trip->later) {
            const std::string_view name = stops.At(call.stop).name;
            const int minutes = call.arrival / 60 - departureMinute;
            // A feed arriving before it left has no travel time worth showing. Zero minutes
            // would read as no travel time: a stop reached within the minute shows as the next.
            if (call.arrival >= 0 && minutes >= 0 && seen.insert(name).second) {
                travel[name][marked.mark].push_back(std::max(minutes, 1));
            }
        }
    }

    std::vector<DraftStation> stations;
    for (const std::string_view name : order) {
        DraftStation station{wtext::Utf8ToWide(name), {}};
        for (const auto& [mark, minutes] : travel[name]) {
            station.travelMinutes.emplace_back(mark, MostCommon(minutes));
        }
        std::sort(
            station.travelMinutes.begin(), station.travelMinutes.end(),
            [](const auto& a, const auto& b) { return MarkOrder(a.first) < MarkOrder(b.first); });
        stations.push_back(std::move(station));
    }
    return stations;
}
