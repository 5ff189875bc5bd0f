// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/TimetableBuilder.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "gtfs/ArrivalStations.h"
#include "gtfs/DaySections.h"
#include "gtfs/StopTable.h"
#include "gtfs/TimetableText.h"
#include "gtfs/WeekDepartures.h"
#include "text/WideText.h"

namespace {

constexpr std::wstring_view kMarkLetters = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Short notes have room for about four full-width characters.
constexpr std::size_t kShortNameBytes = 8;

// Destinations by the number of their departures in the week, most first, then by name.
std::vector<std::string> RankDestinations(const WeekDepartures& departures,
                                          const std::vector<std::string>& destinations) {
    std::map<std::string, std::size_t> counts;
    for (const std::vector<TripDeparture>& day : departures) {
        for (const TripDeparture& departure : day) {
            ++counts[destinations[departure.trip]];
        }
    }
    std::vector<std::string> ranked;
    for (const auto& [destination, count] : counts) {
        ranked.push_back(destination);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [&counts](const auto& a, const auto& b) {
        return counts.at(a) > counts.at(b);
    });
    return ranked;
}

std::vector<DraftMark> Legend(const std::vector<std::string>& ranked) {
    std::vector<DraftMark> marks;
    for (std::size_t i = 0; i < ranked.size() && i < kMarkLetters.size(); ++i) {
        const std::wstring destination = timetable_text::FromFeed(ranked[i]);
        marks.push_back(
            {kMarkLetters[i], destination + L"行",
             timetable_text::CutToBytes(timetable_text::OneWord(destination), kShortNameBytes)});
    }
    return marks;
}

}  // namespace

std::string TimetableBuilder::Destination(const CallingTrip& trip) const {
    return trip.headsign.empty() ? stops_.At(trip.lastStop).name : trip.headsign;
}

std::optional<TimetableDraft> TimetableBuilder::Build(const DirectionGroup& group,
                                                      const std::string& routeName) const {
    const WeekDepartures departures = CollectWeekDepartures(group.trips, week_, calendar_);
    std::vector<std::string> destinations;
    for (const CallingTrip* trip : group.trips) {
        destinations.push_back(Destination(*trip));
    }
    const std::vector<std::string> ranked = RankDestinations(departures, destinations);
    if (ranked.empty()) {
        return std::nullopt;
    }

    TimetableDraft draft;
    draft.marks = Legend(ranked);
    std::vector<wchar_t> tripMarks(group.trips.size(), L'\0');
    for (std::size_t i = 0; i < group.trips.size(); ++i) {
        const auto rank = std::find(ranked.begin(), ranked.end(), destinations[i]) - ranked.begin();
        if (static_cast<std::size_t>(rank) < draft.marks.size()) {
            tripMarks[i] = draft.marks[static_cast<std::size_t>(rank)].letter;
        }
    }
    draft.unmarkedDestinations = ranked.size() - draft.marks.size();
    draft.sections = BuildDaySections(departures, tripMarks);

    std::set<std::size_t> running;
    for (const std::vector<TripDeparture>& day : departures) {
        for (const TripDeparture& departure : day) {
            running.insert(departure.trip);
        }
    }
    std::vector<MarkedTrip> marked;
    for (const std::size_t i : running) {
        marked.push_back({group.trips[i], tripMarks[i] == L'\0' ? L'-' : tripMarks[i]});
    }
    draft.stations = BuildArrivalStations(marked, stops_, stopName_);

    draft.stop = timetable_text::FromFeed(stopName_);
    draft.direction = timetable_text::FromFeed(ranked.front()) + L"方面";
    draft.SetRoute(timetable_text::FromFeed(routeName));
    return draft;
}
