// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>

class HolidayCalendar;

// Day types in the order of a timetable's day mask: Sunday to Saturday, then public holidays.
inline constexpr std::size_t kDayTypeCount = 8;
inline constexpr std::size_t kSundayType = 0;
inline constexpr std::size_t kHolidayType = 7;

// The date whose services stand for each day type.
struct ServiceWeek {
    // Sunday to Saturday always have a date; the holiday has none when no holiday was found, and
    // then shares Sunday's departures.
    std::array<std::optional<std::chrono::sys_days>, kDayTypeCount> dates;
};

// Each weekday is the first such day from `start` on that is no public holiday (a holiday
// Monday runs the holiday service, not Monday's); the holiday is the first one within the
// year from `start`.
ServiceWeek PlanServiceWeek(std::chrono::sys_days start, const HolidayCalendar& holidays);
