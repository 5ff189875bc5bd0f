// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

struct ArrivalStation;
struct Departure;
class Timetable;

// Width of the station name column of the arrival list, in Shift-JIS bytes.
inline constexpr int kArrivalNameBytes = 12;

// One row of the arrival-station list for the selected departure.
struct ArrivalRow {
    std::wstring text;           // name column, marker, arrival time
    std::wstring arrivalText;    // "HH:MM" (hours may pass 23) or "--:--"
    int stationIndex = 0;        // position in the timetable's arrival stations
    int arrivalMinutes = 0;      // minutes of the timetable day; 0 when the row offers no transfer
    bool hasTravelTime = false;  // a travel time entry applied to the departure
    int departureRow = -1;       // the departure list's row it was made for; -1 for none given

    bool offersTransfer() const { return arrivalMinutes != 0; }
};

struct TransferMenuItem {
    int id = 0;
    std::wstring text;

    bool operator==(const TransferMenuItem&) const = default;
};

// The arrival-station list and the dynamic items of the transfer menu.
struct ArrivalList {
    std::vector<ArrivalRow> rows;
    std::vector<TransferMenuItem> menu;
};

// The index into `station.travelTimes` that applies to a train with `marks`, or -1.
int ChooseTravelTime(const ArrivalStation& station, std::wstring_view marks);

// The name column: cut to 12 Shift-JIS bytes at a character boundary, or right-aligned.
std::wstring ArrivalNameColumn(std::wstring_view name);

// Rows for `departure` over every arrival station of `timetable`, in file order.
// `configurationMode` decides whether a station leading to a route configuration offers a
// transfer.
ArrivalList BuildArrivalList(const Timetable& timetable, const Departure& departure,
                             bool configurationMode);

// The list for departure `index` of the section serving the timetable's current day, from the
// stations of the departure's own timetable (its member on a board); empty when there is no such
// section or departure (nothing selected, a day without trains).
ArrivalList BuildArrivalListForIndex(const Timetable& timetable, int index, bool configurationMode);
