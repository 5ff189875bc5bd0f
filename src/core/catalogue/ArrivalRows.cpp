// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ArrivalRows.h"

#include <string_view>

#include "catalogue/CommandIds.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"
#include "timetable/Timetable.h"

namespace {

constexpr int kNoRank = 999;
constexpr int kDashRank = 900;

// Lower-case letters come first, capitals next, "-" last; anything else never qualifies by
// rank unless its code happens to fall below.
int MarkRank(wchar_t mark) {
    if (mark == L'-') {
        return kDashRank;
    }
    if (mark >= L'A' && mark <= L'Z') {
        return static_cast<int>(mark) + 35;
    }
    return static_cast<int>(mark) - static_cast<int>(L'a');
}

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::wstring FormatArrival(int minutes) {
    return wtext::ZeroPad(minutes / 60, 2) + L":" + wtext::ZeroPad(minutes % 60, 2);
}

std::wstring_view Marker(const std::wstring& target, bool configurationMode) {
    const std::wstring upper = wtext::ToUpper(target);
    if (upper.empty()) {
        return L"　";
    }
    if (upper.find(L".CFG") != std::wstring::npos) {
        return configurationMode ? L"≫" : L"　";
    }
    return L"＞";
}

}  // namespace

int ChooseTravelTime(const ArrivalStation& station, std::wstring_view marks) {
    int best = kNoRank;
    int chosen = -1;
    int unmarked = -1;
    for (std::size_t i = 0; i < station.travelTimes.size(); ++i) {
        const wchar_t mark = station.travelTimes[i].mark;
        const bool contained = !marks.empty() && marks.find(mark) != std::wstring_view::npos;
        if (contained) {
            const int rank = MarkRank(mark);
            if (rank < best) {
                best = rank;
                chosen = static_cast<int>(i);
            }
        } else if (mark == L'-') {
            unmarked = static_cast<int>(i);
        }
    }
    // The entry without a mark serves the trains no marked entry matches, wherever it stands:
    // "a6 d5 8" and "8 a6 d5" read the same.
    return chosen >= 0 ? chosen : unmarked;
}

std::wstring ArrivalNameColumn(std::wstring_view name) {
    const std::string bytes = ToSJis(name);
    const std::size_t width = kArrivalNameBytes;
    if (bytes.size() <= width) {
        return std::wstring(width - bytes.size(), L' ') + ToWide(bytes);
    }
    // Cut at the last character boundary within the width, never inside a double-byte
    // character, and pad behind the name so the marker column stays in place.
    std::size_t cut = 0;
    while (cut < bytes.size()) {
        const std::size_t next = cut + (IsLeadByte(static_cast<unsigned char>(bytes[cut])) ? 2 : 1);
        if (next > width) {
            break;
        }
        cut = next;
    }
    return ToWide(bytes.substr(0, cut)) + std::wstring(width - cut, L' ');
}

ArrivalList BuildArrivalList(const Timetable& timetable, const Departure& departure,
                             bool configurationMode) {
    ArrivalList list;
    list.rows.reserve(timetable.arrivals.size());
    for (std::size_t i = 0; i < timetable.arrivals.size(); ++i) {
        const ArrivalStation& station = timetable.arrivals[i];
        ArrivalRow row;
        row.stationIndex = static_cast<int>(i);
        row.arrivalText = L"--:--";
        const int chosen = ChooseTravelTime(station, departure.marks);
        row.hasTravelTime = chosen >= 0;
        if (chosen >= 0) {
            const int travel = station.travelTimes[static_cast<std::size_t>(chosen)].minutes;
            if (travel != 0) {
                row.arrivalMinutes = departure.time + travel;
                row.arrivalText = FormatArrival(row.arrivalMinutes);
            }
        }
        const std::wstring_view marker = Marker(station.target, configurationMode);
        if (marker == L"　") {
            row.arrivalMinutes = 0;
        }
        row.text = ArrivalNameColumn(station.name);
        row.text.append(marker).append(row.arrivalText);
        if (row.offersTransfer() && row.stationIndex < kTransferMenuMaxRows) {
            list.menu.push_back(
                {kTransferMenuFirstId + row.stationIndex, row.arrivalText + L" " + station.name});
        }
        list.rows.push_back(std::move(row));
    }
    return list;
}

ArrivalList BuildArrivalListForIndex(const Timetable& timetable, int index,
                                     bool configurationMode) {
    const DaySection* section = timetable.FindSection();
    if (section == nullptr || index < 0 || index >= section->DepartureCount()) {
        return {};
    }
    ArrivalList list =
        BuildArrivalList(timetable.SourceOf(index), section->DepartureAt(index), configurationMode);
    for (ArrivalRow& row : list.rows) {
        row.departureRow = index;
    }
    return list;
}
