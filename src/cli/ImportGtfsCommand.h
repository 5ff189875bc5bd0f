// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

namespace CLI {
class App;
}

// `kovaris import-gtfs FEED --stop STOP [--date YYYY-MM-DD] [--holidays FILE] [--out DIR]`:
// writes the departures of a published feed at one stop as timetable files, one per route and
// direction, and prints one line per file. On bad input it names the fault on `err`, writes
// nothing and sets `status` to 1.
void AddImportGtfsCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status);
