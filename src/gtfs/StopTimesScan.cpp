// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/StopTimesScan.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "gtfs/CallTimes.h"
#include "gtfs/CsvTable.h"
#include "gtfs/Frequencies.h"
#include "gtfs/GtfsFields.h"
#include "gtfs/StopTable.h"
#include "gtfs/StopVisits.h"
#include "gtfs/TripCall.h"

namespace {

struct Columns {
    explicit Columns(const CsvTable& table)
        : trip(table.Column("trip_id")),
          arrival(table.Column("arrival_time")),
          departure(table.Column("departure_time")),
          stop(table.Column("stop_id")),
          sequence(table.Column("stop_sequence")),
          pickup(table.FindColumn("pickup_type")),
          headsign(table.FindColumn("stop_headsign")),
          distance(table.FindColumn("shape_dist_traveled")) {}

    std::size_t trip, arrival, departure, stop, sequence;
    std::optional<std::size_t> pickup, headsign, distance;
};

// Hashing string views lets a row's fields be looked up without copying them.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>()(text);
    }
};
using TextSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;
using TripIndex = std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>>;

long Sequence(const CsvTable& table, const Columns& columns) {
    const std::optional<long> sequence = gtfs::ParseCount(table.Field(columns.sequence));
    if (!sequence) {
        table.Fail(columns.sequence, "malformed stop_sequence \"" +
                                         std::string(table.Field(columns.sequence)) + "\"");
    }
    return *sequence;
}

// The time of a field that may be empty (-1); a field that is there must be a time.
int OptionalTime(const CsvTable& table, std::size_t column) {
    const std::string_view text = table.Field(column);
    if (text.empty()) {
        return -1;
    }
    const std::optional<int> time = gtfs::ParseTime(text);
    if (!time) {
        table.Fail(column, "malformed time \"" + std::string(text) + "\"");
    }
    return *time;
}

bool NoPickup(const CsvTable& table, const Columns& columns) {
    const std::string_view text = table.Field(columns.pickup);
    if (text.size() > 1 || (text.size() == 1 && (text[0] < '0' || text[0] > '3'))) {
        table.Fail(*columns.pickup,
                   "pickup_type must be 0 to 3, not \"" + std::string(text) + "\"");
    }
    return text == "1";
}

double Distance(const CsvTable& table, const Columns& columns) {
    const std::string_view text = table.Field(columns.distance);
    if (text.empty()) {
        return -1.0;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= 0)) {
        table.Fail(*columns.distance,
                   "malformed shape_dist_traveled \"" + std::string(text) + "\"");
    }
    return value;
}

// First pass: the trips that call at the chosen stops.
TextSet CallingTripIds(const FeedSource& feed, const TextSet& chosenIds, std::size_t& rows) {
    CsvTable table(feed, "stop_times.txt");
    const Columns columns(table);
    TextSet trips;
    while (table.Next()) {
        ++rows;
        if (chosenIds.contains(table.Field(columns.stop))) {
            trips.emplace(table.Field(columns.trip));
        }
    }
    return trips;
}

// Second pass: every call of those trips, each trip's in stop_sequence order.
struct TripCalls {
    std::vector<std::string> tripIds;  // sorted
    std::vector<std::vector<TripCall>> calls;
    std::vector<std::string> headsigns{""};
};

TripCalls ReadTripCalls(const FeedSource& feed, const StopTable& stops, const TextSet& chosenIds,
                        const TextSet& tripIds) {
    TripCalls result;
    result.tripIds.assign(tripIds.begin(), tripIds.end());
    std::sort(result.tripIds.begin(), result.tripIds.end());
    TripIndex index;
    for (std::size_t i = 0; i < result.tripIds.size(); ++i) {
        index.emplace(result.tripIds[i], i);
    }
    result.calls.resize(result.tripIds.size());
    CsvTable table(feed, "stop_times.txt");
    const Columns columns(table);
    while (table.Next()) {
        const auto it = index.find(table.Field(columns.trip));
        if (it == index.end()) {
            continue;
        }
        const std::string_view stopId = table.Field(columns.stop);
        const std::optional<std::size_t> stop = stops.Find(stopId);
        if (!stop) {
            table.Fail(columns.stop, "no stop \"" + std::string(stopId) + "\" in stops.txt");
        }
        TripCall call{Sequence(table, columns),
                      static_cast<std::uint32_t>(*stop),
                      OptionalTime(table, columns.arrival),
                      OptionalTime(table, columns.departure),
                      Distance(table, columns),
                      chosenIds.contains(stopId),
                      NoPickup(table, columns)};
        if (call.chosen && !table.Field(columns.headsign).empty()) {
            call.headsign = static_cast<std::uint32_t>(result.headsigns.size());
            result.headsigns.emplace_back(table.Field(columns.headsign));
        }
        result.calls[it->second].push_back(call);
    }
    for (std::vector<TripCall>& calls : result.calls) {
        std::sort(calls.begin(), calls.end(),
                  [](const TripCall& a, const TripCall& b) { return a.sequence < b.sequence; });
    }
    return result;
}

// When the trip leaves its first stop, which frequencies.txt counts its repetitions from.
int FirstTime(const std::vector<TripCall>& calls) {
    const auto timed =
        std::find_if(calls.begin(), calls.end(), [](const TripCall& call) { return call.Timed(); });
    return timed == calls.end() ? 0 : timed->LeaveTime();
}

std::size_t InterpolatedAtStop(std::vector<TripCall>& calls) {
    std::vector<bool> untimed;
    for (const TripCall& call : calls) {
        untimed.push_back(call.chosen && !call.Timed());
    }
    InterpolateTimes(calls);
    std::size_t count = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (untimed[i] && calls[i].Timed()) {
            ++count;
        }
    }
    return count;
}

}  // namespace

StopTimesResult ScanStopTimes(const FeedSource& feed, const StopTable& stops,
                              const std::vector<std::size_t>& chosen) {
    StopTimesResult result;
    TextSet chosenIds;
    for (const std::size_t stop : chosen) {
        chosenIds.insert(stops.At(stop).id);
    }
    TripCalls trips =
        ReadTripCalls(feed, stops, chosenIds, CallingTripIds(feed, chosenIds, result.rowsRead));
    const auto headways = ReadHeadways(feed, trips.tripIds);
    VisitCounts counts;
    for (std::size_t i = 0; i < trips.tripIds.size(); ++i) {
        std::vector<TripCall>& calls = trips.calls[i];
        result.interpolatedCalls += InterpolatedAtStop(calls);
        std::vector<CallingTrip> departures =
            FindDepartures(trips.tripIds[i], calls, trips.headsigns, counts);
        const auto repeated = headways.find(trips.tripIds[i]);
        if (repeated != headways.end()) {
            departures = RepeatByHeadways(departures, FirstTime(calls), repeated->second);
        }
        std::move(departures.begin(), departures.end(), std::back_inserter(result.trips));
    }
    result.untimedCalls = counts.untimedCalls;
    result.noPickupCalls = counts.noPickupCalls;
    return result;
}
