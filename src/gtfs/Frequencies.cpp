// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/Frequencies.h"

#include <algorithm>

#include "gtfs/CsvTable.h"
#include "gtfs/FeedSource.h"
#include "gtfs/GtfsFields.h"

namespace {

int TimeField(const CsvTable& table, std::size_t column) {
    const std::optional<int> time = gtfs::ParseTime(table.Field(column));
    if (!time) {
        table.Fail(column, "malformed time \"" + std::string(table.Field(column)) + "\"");
    }
    return *time;
}

CallingTrip Moved(const CallingTrip& departure, int shift) {
    CallingTrip moved = departure;
    moved.departure += shift;
    for (LaterCall& call : moved.later) {
        if (call.arrival >= 0) {
            call.arrival += shift;
        }
    }
    return moved;
}

}  // namespace

std::map<std::string, std::vector<Headway>> ReadHeadways(const FeedSource& feed,
                                                         const std::vector<std::string>& tripIds) {
    std::map<std::string, std::vector<Headway>> headways;
    if (!feed.Has("frequencies.txt")) {
        return headways;
    }
    CsvTable table(feed, "frequencies.txt");
    const std::size_t trip = table.Column("trip_id");
    const std::size_t start = table.Column("start_time");
    const std::size_t end = table.Column("end_time");
    const std::size_t every = table.Column("headway_secs");
    while (table.Next()) {
        const std::string_view id = table.Field(trip);
        if (!std::binary_search(tripIds.begin(), tripIds.end(), id)) {
            continue;
        }
        const std::optional<long> seconds = gtfs::ParseCount(table.Field(every));
        if (!seconds || *seconds < 1 || *seconds > 24 * 3600) {
            table.Fail(every, "headway_secs must be a number of seconds from 1 to 86400, not \"" +
                                  std::string(table.Field(every)) + "\"");
        }
        headways[std::string(id)].push_back(
            {TimeField(table, start), TimeField(table, end), static_cast<int>(*seconds)});
    }
    return headways;
}

std::vector<CallingTrip> RepeatByHeadways(const std::vector<CallingTrip>& departures, int firstTime,
                                          const std::vector<Headway>& headways) {
    std::vector<CallingTrip> repeated;
    for (const Headway& headway : headways) {
        for (int start = headway.start; start < headway.end; start += headway.headway) {
            for (const CallingTrip& departure : departures) {
                repeated.push_back(Moved(departure, start - firstTime));
            }
        }
    }
    return repeated;
}
