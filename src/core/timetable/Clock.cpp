// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/Clock.h"

#include <chrono>
#include <ctime>

Moment SystemClock::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Moment::FromFields(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                              local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
}

std::uint64_t SystemClock::TickMs() const {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

ShiftedClock::ShiftedClock(Moment start) : offsetDays_(start.Days() - system_.Now().Days()) {}

Moment ShiftedClock::Now() const {
    return system_.Now().PlusDays(offsetDays_);
}

void ManualClock::AdvanceMs(std::uint64_t ms) {
    tickMs_ += ms;
    now_ = now_.PlusDays(static_cast<double>(ms) / 86400000.0);
}
