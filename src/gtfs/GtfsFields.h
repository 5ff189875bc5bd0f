// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// Values of a feed's fields, strictly checked: a field that reads wrongly must stop the import
// rather than put a wrong departure in a timetable.
namespace gtfs {

// "H:MM:SS" or "HH:MM:SS" (hours may pass 23 for trips after midnight) as seconds after the
// service day's start.
std::optional<int> ParseTime(std::string_view text);

// "YYYYMMDD" as a calendar day.
std::optional<std::chrono::sys_days> ParseDate(std::string_view text);

// "YYYY-MM-DD", as the terminal tool takes and prints dates.
std::optional<std::chrono::sys_days> ParseIsoDate(std::string_view text);
std::string IsoDate(std::chrono::sys_days day);

// A non-negative decimal number such as a stop_sequence.
std::optional<long> ParseCount(std::string_view text);

}  // namespace gtfs
