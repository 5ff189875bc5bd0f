#include "gtfs/StopTimesScan.h"

#include <algorithm>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsFields.h"
#include "gtfs/StopTable.h"

namespace {

struct Columns {
    explicit Columns(const CsvTable& table)
        : trip(table.Column("trip_id")),
          arrival(table.Column("arrival_time")),
          departure(table.Column("departure_time")),
          stop(table.Column("stop_id")),
          sequence(table.Column("stop_sequence")) {}

    std::size_t trip, arrival, departure, stop, sequence;
};

// Hashing string views lets a row's fields be looked up without copying them.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>()(text);
    }
};
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

// The departure time where there is one, else the arrival time (-1 when neither is given).
int DepartureTime(const CsvTable& table, const Columns& columns) {
    const int departure = OptionalTime(table, columns.departure);
    return departure >= 0 ? departure : OptionalTime(table, columns.arrival);
}

int ArrivalTime(const CsvTable& table, const Columns& columns) {
    const int arrival = OptionalTime(table, columns.arrival);
    return arrival >= 0 ? arrival : OptionalTime(table, columns.departure);
}

// First pass: the calls at the chosen stops. A trip that calls twice leaves at its first call.
void FindCalls(const FeedSource& feed, const StopTable& stops,
               const std::vector<std::size_t>& chosen, StopTimesResult& result, TripIndex& index) {
    std::unordered_set<std::string_view, TextHash, std::equal_to<>> chosenIds;
    for (const std::size_t stop : chosen) {
        chosenIds.insert(stops.At(stop).id);
    }
    CsvTable table(feed, "stop_times.txt");
    const Columns columns(table);
    std::size_t untimed = 0;
    while (table.Next()) {
        ++result.rowsRead;
        const std::string_view stopId = table.Field(columns.stop);
        if (!chosenIds.contains(stopId)) {
            continue;
        }
        const long sequence = Sequence(table, columns);
        const int departure = DepartureTime(table, columns);
        if (departure < 0) {
            ++untimed;
            continue;
        }
        const auto [it, added] =
            index.try_emplace(std::string(table.Field(columns.trip)), result.trips.size());
        if (added) {
            result.trips.push_back({});
            result.trips.back().tripId = it->first;
        }
        CallingTrip& trip = result.trips[it->second];
        if (added || sequence < trip.sequence) {
            trip.stop = static_cast<std::uint32_t>(*stops.Find(stopId));
            trip.sequence = sequence;
            trip.departure = departure;
        }
    }
    result.untimedCalls = untimed;
}

// Second pass: the calls after the chosen stop, of the trips found.
void FindLaterCalls(const FeedSource& feed, const StopTable& stops, StopTimesResult& result,
                    const TripIndex& index) {
    std::vector<std::vector<std::pair<long, LaterCall>>> later(result.trips.size());
    CsvTable table(feed, "stop_times.txt");
    const Columns columns(table);
    while (table.Next()) {
        const auto it = index.find(table.Field(columns.trip));
        if (it == index.end()) {
            continue;
        }
        const long sequence = Sequence(table, columns);
        if (sequence <= result.trips[it->second].sequence) {
            continue;
        }
        const std::optional<std::size_t> stop = stops.Find(table.Field(columns.stop));
        if (!stop) {
            table.Fail(columns.stop,
                       "no stop \"" + std::string(table.Field(columns.stop)) + "\" in stops.txt");
        }
        later[it->second].push_back(
            {sequence, {static_cast<std::uint32_t>(*stop), ArrivalTime(table, columns)}});
    }
    for (std::size_t i = 0; i < later.size(); ++i) {
        std::sort(later[i].begin(), later[i].end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [sequence, call] : later[i]) {
            result.trips[i].later.push_back(call);
        }
    }
}

}  // namespace

StopTimesResult ScanStopTimes(const FeedSource& feed, const StopTable& stops,
                              const std::vector<std::size_t>& chosen) {
    StopTimesResult result;
    TripIndex index;
    FindCalls(feed, stops, chosen, result, index);
    FindLaterCalls(feed, stops, result, index);
    // A trip that ends at the stop does not depart from it.
    std::erase_if(result.trips, [](const CallingTrip& trip) { return trip.later.empty(); });
    std::sort(result.trips.begin(), result.trips.end(),
              [](const CallingTrip& a, const CallingTrip& b) { return a.tripId < b.tripId; });
    return result;
}
