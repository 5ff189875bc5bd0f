// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "catalogue/CatalogueEntry.h"
#include "catalogue/TransferHistory.h"

struct ArrivalRow;
struct ArrivalStation;
class Timetable;

// Everything a transfer decides before a window does anything: the record for the history,
// the entry to open and the minute to position the new timetable at. When `warning` is set the
// transfer does not happen and nothing else is filled.
struct TransferPlan {
    std::wstring warning;
    TransferRecord record;
    CatalogueEntry entry;
    int targetMinute = 0;  // minutes of the day; past 1439 means the following day

    bool ok() const { return warning.empty(); }
};

// Where the timetable shown now is to be remembered: its path and its view minute when it is
// shown at a fixed moment, -1 when it follows real time.
TransferRecord RecordOf(const Timetable& current);

// The entry a station's target leads to: "/" first names a catalogue level, anything else a
// timetable file beside the current one.
CatalogueEntry TransferEntry(const ArrivalStation& station, const std::wstring& currentFolder);

// `selected` is the chosen row of the arrival list, or nullptr when none is chosen.
TransferPlan PlanTransfer(const Timetable& current, const ArrivalRow* selected);
