// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/ServiceWeek.h"

#include "timetable/HolidayCalendar.h"

namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr int kWeeksToSkipHolidays = 8;
constexpr int kDaysInYear = 366;

bool IsHoliday(sys_days day, const HolidayCalendar& holidays) {
    const std::chrono::year_month_day date(day);
    return holidays.FindHoliday(static_cast<int>(static_cast<unsigned>(date.month())),
                                static_cast<int>(static_cast<unsigned>(date.day()))) != nullptr;
}

}  // namespace

ServiceWeek PlanServiceWeek(sys_days start, const HolidayCalendar& holidays) {
    ServiceWeek week;
    for (int offset = 0; offset < 7; ++offset) {
        const sys_days first = start + days(offset);
        sys_days chosen = first;
        for (int weeks = 0; weeks < kWeeksToSkipHolidays; ++weeks) {
            chosen = first + days(7 * weeks);
            if (!IsHoliday(chosen, holidays)) {
                break;
            }
        }
        week.dates[std::chrono::weekday(first).c_encoding()] =
            IsHoliday(chosen, holidays) ? first : chosen;
    }
    for (int offset = 0; offset < kDaysInYear; ++offset) {
        if (IsHoliday(start + days(offset), holidays)) {
            week.dates[kHolidayType] = start + days(offset);
            break;
        }
    }
    return week;
}
