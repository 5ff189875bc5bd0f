// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/WeekDepartures.h"

#include <algorithm>

#include "gtfs/ServiceCalendar.h"

namespace {

constexpr int kMinutesPerDay = 24 * 60;
// The timetable day starts when the default day-change hour (2) has passed.
constexpr int kTimetableDayStart = 3 * 60;

// How many days after its service day a departure at `minutes` falls in timetable days.
int TimetableDayOffset(int minutes) {
    const int shifted = minutes - kTimetableDayStart;
    return shifted >= 0 ? shifted / kMinutesPerDay : -1 - (-shifted - 1) / kMinutesPerDay;
}

}  // namespace

WeekDepartures CollectWeekDepartures(const std::vector<const CallingTrip*>& trips,
                                     const ServiceWeek& week, const ServiceCalendar& calendar) {
    WeekDepartures departures;
    for (std::size_t day = 0; day < kDayTypeCount; ++day) {
        if (!week.dates[day]) {
            continue;
        }
        for (std::size_t i = 0; i < trips.size(); ++i) {
            const int minutes = trips[i]->departure / 60;
            const int offset = TimetableDayOffset(minutes);
            if (calendar.RunsOn(trips[i]->serviceId,
                                *week.dates[day] - std::chrono::days(offset))) {
                departures[day].push_back({minutes - offset * kMinutesPerDay, i});
            }
        }
        std::stable_sort(
            departures[day].begin(), departures[day].end(),
            [](const TripDeparture& a, const TripDeparture& b) { return a.minutes < b.minutes; });
    }
    if (!week.dates[kHolidayType]) {
        departures[kHolidayType] = departures[kSundayType];
    }
    return departures;
}
