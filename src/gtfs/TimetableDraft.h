// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One timetable file as the importer means it, before it becomes text.
struct DraftMark {
    wchar_t letter = L'a';
    std::wstring name;
    std::wstring shortName;
};

struct DraftStation {
    std::wstring name;
    std::vector<std::pair<wchar_t, int>> travelMinutes;  // per mark, in the legend's order
};

struct DraftDeparture {
    int minutes = 0;       // of the timetable day; 24:00 and later for the night
    wchar_t mark = L'\0';  // none when the destinations outnumber the letters

    bool operator==(const DraftDeparture&) const = default;
};

struct DraftSection {
    std::uint8_t dayMask = 0;                // bit 0 Sunday ... bit 6 Saturday, bit 7 holiday
    std::wstring days;                       // 平日, 土曜・日曜・祝日 ...
    std::vector<DraftDeparture> departures;  // in time order
};

struct TimetableDraft {
    std::wstring stop;       // the chosen stop, as the title begins
    std::wstring route;      // as riders know it, with what tells it apart from a namesake
    std::wstring direction;  // "<main destination>方面"
    std::wstring title;      // "<stop> <route> <direction>"
    std::vector<DraftMark> marks;
    std::vector<DraftStation> stations;
    std::vector<DraftSection> sections;
    std::size_t unmarkedDestinations = 0;  // beyond the 52 mark letters

    // "さくら線 南台方面": what a catalogue lists the file as.
    std::wstring Caption() const { return route + L" " + direction; }
    void SetRoute(std::wstring name) {
        route = std::move(name);
        title = stop + L" " + Caption();
    }
};
