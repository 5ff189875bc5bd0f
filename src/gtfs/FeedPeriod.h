// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>

class FeedSource;

// The dates a feed serves: feed_info.txt's feed_start_date and feed_end_date where it gives
// them, else the span of calendar.txt's date ranges and calendar_dates.txt's added days.
class FeedPeriod {
public:
    // Nothing when the feed names no dates. Dates it cannot read are passed over: the period
    // only explains why a week found no trips, so it must not become a fault of its own.
    static std::optional<FeedPeriod> Read(const FeedSource& feed);

    std::chrono::sys_days First() const { return first_; }
    std::chrono::sys_days Last() const { return last_; }
    // Whether the week from `start` shares a day with the period.
    bool Meets(std::chrono::sys_days start) const;
    // The start nearest to `start` of a week within the period (its first day when the period
    // is shorter than a week).
    std::chrono::sys_days NearestWeek(std::chrono::sys_days start) const;

private:
    FeedPeriod(std::chrono::sys_days first, std::chrono::sys_days last)
        : first_(first), last_(last) {}

    std::chrono::sys_days first_;
    std::chrono::sys_days last_;
};

// ": the feed serves 2024-04-01 to 2024-12-31; try --date 2024-12-25" when the week from
// `start` lies wholly outside the feed's dates, else "".
std::string OutsideServiceNote(const FeedSource& feed, std::chrono::sys_days start);
