// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gtfs/FileBatch.h"
#include "gtfs/ImportCatalogue.h"

struct ImportRequest {
    std::filesystem::path feed;   // a .zip file or a folder
    std::string stop;             // a stop_id or an exact stop_name (UTF-8)
    std::chrono::sys_days start;  // the first day of the service week
    // A Holiday.dat; without one, the data root's when `out` lies in a data root.
    std::optional<std::filesystem::path> holidays;
    std::filesystem::path out;
    // Whether files edited since the last import, and files of the same names it did not write,
    // are replaced; else they are kept.
    bool force = false;
};

struct WrittenTimetable {
    std::string fileName;                                        // UTF-8
    std::vector<std::pair<std::wstring, std::size_t>> sections;  // days, departures
    std::vector<std::wstring> stations;
};

struct ImportReport {
    std::vector<WrittenTimetable> files;
    std::optional<std::filesystem::path> holidayList;  // the list used, if any
    std::optional<std::chrono::sys_days> holiday;      // the holiday whose services were taken
    std::wstring holidayName;                          // that holiday's name in the list
    std::size_t substitutedCharacters = 0;             // written as "〓"
    std::size_t untimedCalls = 0;                      // calls at the stop without a time, left out
    std::size_t interpolatedCalls = 0;     // calls at the stop timed between two timepoints
    std::size_t noPickupCalls = 0;         // departures where riders cannot board, left out
    std::size_t unmarkedDestinations = 0;  // beyond the 52 mark letters
    std::size_t stopTimesRows = 0;
    std::string catalogue;                       // the route configuration listing the files
    std::optional<CatalogueHook> catalogueHook;  // how the data root can name it; none outside one
    BatchOutcome folder;                         // the files of `out` kept and removed
};

// Turns the departures of a feed at one stop into timetable files, one per route as riders know
// it and direction, busiest first, and a route configuration listing them, written into `out`
// only when all of them could be made. Throws GtfsError on bad input, with nothing written.
// Files of `out` that the last import wrote and that are unchanged since are replaced, or
// removed when no longer written; others are kept (see ImportRequest::force).
ImportReport ImportGtfs(const ImportRequest& request);
