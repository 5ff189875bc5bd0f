// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/Moment.h"

#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kMinDays = -657434.0;  // 1 January 100
constexpr double kMaxDays = 2958465.0;  // 31 December 9999, midnight
constexpr long kSecondsPerDay = 86400;

std::chrono::sys_days Epoch() {
    using namespace std::chrono;
    return sys_days{year{1899} / December / 30};
}

// Before the epoch the stored value is the day counted back, minus the time of day counted
// forward (-1.25 is 29 December, 06:00), so arithmetic goes through a linear count of days.
double ToLinear(double days) {
    if (days >= 0.0) {
        return days;
    }
    const double whole = std::trunc(days);
    return whole + (whole - days);
}

double FromLinear(double linear) {
    if (linear >= 0.0) {
        return linear;
    }
    const double whole = std::floor(linear);
    return whole - (linear - whole);
}

}  // namespace

Moment::Moment(double days)
    : days_(days), valid_(std::isfinite(days) && days >= kMinDays && days < kMaxDays + 1.0) {}

Moment Moment::Invalid() {
    Moment m;
    m.valid_ = false;
    return m;
}

Moment Moment::FromFields(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    const year_month_day date{std::chrono::year{year},
                              std::chrono::month{static_cast<unsigned>(month)},
                              std::chrono::day{static_cast<unsigned>(day)}};
    if (month < 1 || month > 12 || day < 1 || day > 31 || !date.ok() || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59) {
        return Invalid();
    }
    const double whole = static_cast<double>((sys_days{date} - Epoch()).count());
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
    // Before the epoch the fraction still counts forward from midnight of that day.
    return Moment(whole < 0 ? whole - fraction : whole + fraction);
}

MomentFields Moment::Fields() const {
    using namespace std::chrono;
    MomentFields f;
    if (!valid_) {
        return f;
    }
    long whole = static_cast<long>(std::trunc(days_));
    long seconds = std::lround(std::fabs(days_ - static_cast<double>(whole)) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        // Rounded up to midnight: the next calendar day, on either side of the epoch.
        seconds -= kSecondsPerDay;
        ++whole;
    }
    const sys_days date = Epoch() + std::chrono::days{whole};
    const year_month_day ymd{date};
    f.year = static_cast<int>(ymd.year());
    f.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    f.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    f.hour = static_cast<int>(seconds / 3600);
    f.minute = static_cast<int>(seconds / 60 % 60);
    f.second = static_cast<int>(seconds % 60);
    f.dayOfWeek = static_cast<int>(weekday{date}.c_encoding()) + 1;
    return f;
}

Moment Moment::PlusHours(double hours) const {
    return PlusDays(hours / 24.0);
}

Moment Moment::PlusDays(double days) const {
    if (!valid_) {
        return *this;
    }
    return Moment(FromLinear(ToLinear(days_) + days));
}

std::optional<Moment> ParseMoment(const std::string& text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char separator = 0;
    int used = 0;
    const char* s = text.c_str();
    const int full = std::sscanf(s, "%4d-%2d-%2d%c%2d:%2d:%2d%n", &year, &month, &day, &separator,
                                 &hour, &minute, &second, &used);
    if (full != 7 || static_cast<std::size_t>(used) != text.size()) {
        second = 0;
        used = 0;
        const int noSeconds = std::sscanf(s, "%4d-%2d-%2d%c%2d:%2d%n", &year, &month, &day,
                                          &separator, &hour, &minute, &used);
        if (noSeconds != 6 || static_cast<std::size_t>(used) != text.size()) {
            return std::nullopt;
        }
    }
    // Any white space between date and time, as a typed or scripted moment may have a tab there.
    if (separator != 'T' && std::isspace(static_cast<unsigned char>(separator)) == 0) {
        return std::nullopt;
    }
    const Moment moment = Moment::FromFields(year, month, day, hour, minute, second);
    if (!moment.IsValid()) {
        return std::nullopt;
    }
    return moment;
}
