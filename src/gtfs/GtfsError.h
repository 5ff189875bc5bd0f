// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// A fault in the feed or in the request, with a message the user can act on. Thrown inside the
// importer and caught where the import starts, so no half-made result is ever written.
class GtfsError : public std::runtime_error {
public:
    explicit GtfsError(const std::string& message) : std::runtime_error(message) {}
    // "stop_times.txt, line 5, column departure_time: malformed time "7:6x:00""
    GtfsError(std::string_view file, long line, std::string_view column, std::string_view message);
};
