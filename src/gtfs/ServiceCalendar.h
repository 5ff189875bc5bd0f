// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <map>
#include <set>
#include <string>

class FeedSource;

// On which days each service runs: calendar.txt (weekdays within a date range), then the
// exceptions of calendar_dates.txt (added or removed days). A feed needs one of the two files.
class ServiceCalendar {
public:
    // Reads only the services in `wanted`; throws GtfsError on a bad or missing file.
    ServiceCalendar(const FeedSource& feed, const std::set<std::string>& wanted);

    bool RunsOn(const std::string& service, std::chrono::sys_days day) const;

private:
    struct Week {
        std::array<bool, 7> days{};  // Sunday first, as std::chrono::weekday counts
        std::chrono::sys_days start;
        std::chrono::sys_days end;
    };

    void ReadCalendar(const FeedSource& feed, const std::set<std::string>& wanted);
    void ReadExceptions(const FeedSource& feed, const std::set<std::string>& wanted);

    std::map<std::string, Week> weeks_;
    std::map<std::pair<std::string, std::chrono::sys_days>, bool> exceptions_;
};
