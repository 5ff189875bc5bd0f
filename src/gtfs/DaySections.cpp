// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/DaySections.h"

#include <algorithm>
#include <array>

namespace {

// Monday first: the order in which a traveller reads the sections.
constexpr std::array<std::size_t, kDayTypeCount> kReadingOrder = {1, 2, 3, 4, 5, 6, 0, 7};
constexpr std::uint8_t kWeekdays = 0x3E;
constexpr std::array<const wchar_t*, kDayTypeCount> kDayNames = {
    L"日曜", L"月曜", L"火曜", L"水曜", L"木曜", L"金曜", L"土曜", L"祝日"};

std::vector<DraftDeparture> Marked(const std::vector<TripDeparture>& departures,
                                   const std::vector<wchar_t>& tripMarks) {
    std::vector<DraftDeparture> marked;
    marked.reserve(departures.size());
    for (const TripDeparture& departure : departures) {
        marked.push_back({departure.minutes, tripMarks[departure.trip]});
    }
    return marked;
}

}  // namespace

std::vector<DraftSection> BuildDaySections(const WeekDepartures& departures,
                                           const std::vector<wchar_t>& tripMarks) {
    std::vector<DraftSection> sections;
    for (const std::size_t day : kReadingOrder) {
        if (departures[day].empty()) {
            continue;
        }
        std::vector<DraftDeparture> marked = Marked(departures[day], tripMarks);
        const auto bit = static_cast<std::uint8_t>(1U << day);
        auto same = std::find_if(sections.begin(), sections.end(),
                                 [&](const DraftSection& s) { return s.departures == marked; });
        if (same != sections.end()) {
            same->dayMask = static_cast<std::uint8_t>(same->dayMask | bit);
        } else {
            sections.push_back({bit, L"", std::move(marked)});
        }
    }
    for (DraftSection& section : sections) {
        section.days = DayCaption(section.dayMask);
    }
    return sections;
}

std::wstring DayCaption(std::uint8_t dayMask) {
    std::wstring caption;
    const auto add = [&caption](const wchar_t* part) {
        caption += caption.empty() ? L"" : L"・";
        caption += part;
    };
    const bool allWeekdays = (dayMask & kWeekdays) == kWeekdays;
    if (allWeekdays) {
        add(L"平日");
    }
    for (const std::size_t day : kReadingOrder) {
        const bool weekday = ((1U << day) & kWeekdays) != 0;
        if ((dayMask & (1U << day)) != 0 && !(weekday && allWeekdays)) {
            add(kDayNames[day]);
        }
    }
    return caption;
}
