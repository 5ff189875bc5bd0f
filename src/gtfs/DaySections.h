// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gtfs/TimetableDraft.h"
#include "gtfs/WeekDepartures.h"

// One section per distinct set of departures: day types that run the same trains at the same
// times share it. Sections come in the order 平日, 土曜, 日曜, 祝日; days without departures get
// none. `tripMarks` holds the mark of each trip the departures point at.
std::vector<DraftSection> BuildDaySections(const WeekDepartures& departures,
                                           const std::vector<wchar_t>& tripMarks);

// What a section's days are called on the clock: "平日", "土曜・日曜・祝日", "月曜・水曜".
std::wstring DayCaption(std::uint8_t dayMask);
