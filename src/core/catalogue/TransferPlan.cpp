// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/TransferPlan.h"

#include "catalogue/ArrivalRows.h"
#include "catalogue/CatalogueMessages.h"
#include "timetable/Timetable.h"

TransferRecord RecordOf(const Timetable& current) {
    TransferRecord record;
    record.path = current.path;
    if (current.displayMode == DisplayMode::ViewMoment) {
        record.minutes = current.viewMoment.Hour() * 60 + current.viewMoment.Minute();
    }
    return record;
}

CatalogueEntry TransferEntry(const ArrivalStation& station, const std::wstring& currentFolder) {
    CatalogueEntry entry;
    if (station.target.starts_with(L'/')) {
        entry.target = station.target.substr(1);
        entry.kind = EntryKind::Node;
    } else {
        entry.target = station.target;
        entry.kind = EntryKind::Plain;
    }
    entry.caption = std::wstring(kNodeMarker) + entry.target;
    entry.baseDir = currentFolder;
    return entry;
}

TransferPlan PlanTransfer(const Timetable& current, const ArrivalRow* selected) {
    TransferPlan plan;
    if (selected == nullptr) {
        plan.warning = kSelectTransferStationWarning;
        return plan;
    }
    // On a board the stations are those of the train's own line, and so is the folder they
    // are named from; the way back leads to the board.
    const Timetable& line = current.SourceOf(selected->departureRow);
    const auto index = static_cast<std::size_t>(selected->stationIndex);
    if (!selected->offersTransfer() || index >= line.arrivals.size()) {
        plan.warning = kNoTransferDataWarning;
        return plan;
    }
    const ArrivalStation& station = line.arrivals[index];
    plan.record = RecordOf(current);
    plan.targetMinute = selected->arrivalMinutes + station.transferMinutes;
    plan.entry = TransferEntry(station, line.folder);
    return plan;
}
