// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "gtfs/DirectionGroups.h"
#include "gtfs/TimetableDraft.h"

class ServiceCalendar;
class StopTable;
struct ServiceWeek;

// Makes the timetable of one route and direction at the chosen stop for the service week.
class TimetableBuilder {
public:
    TimetableBuilder(const StopTable& stops, const ServiceWeek& week,
                     const ServiceCalendar& calendar, std::string stopName)
        : stops_(stops), week_(week), calendar_(calendar), stopName_(std::move(stopName)) {}

    // Nothing when none of the group's trips runs in the week.
    std::optional<TimetableDraft> Build(const DirectionGroup& group,
                                        const std::string& routeName) const;

private:
    std::string Destination(const CallingTrip& trip) const;

    const StopTable& stops_;
    const ServiceWeek& week_;
    const ServiceCalendar& calendar_;
    std::string stopName_;
};
