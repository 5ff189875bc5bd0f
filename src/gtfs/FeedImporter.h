#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct ImportRequest {
    std::filesystem::path feed;   // a .zip file or a folder
    std::string stop;             // a stop_id or an exact stop_name (UTF-8)
    std::chrono::sys_days start;  // the first day of the service week
    // A Holiday.dat; without one, the data root's when `out` lies in a data root.
    std::optional<std::filesystem::path> holidays;
    std::filesystem::path out;
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
    std::size_t unmarkedDestinations = 0;              // beyond the 52 mark letters
    std::size_t stopTimesRows = 0;
};

// Turns the departures of a feed at one stop into timetable files, one per route and direction,
// written into `out` only when all of them could be made. Throws GtfsError on bad input, with
// nothing written.
ImportReport ImportGtfs(const ImportRequest& request);
