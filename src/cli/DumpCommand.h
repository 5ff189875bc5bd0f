// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

namespace CLI {
class App;
}

// `kovaris dump [--day-change-hour N] FILE`: prints what the program reads from one timetable
// file as UTF-8 JSON, so authors of timetable files can check their work. On a file that cannot
// be read it names the file on `err` and sets `status` to 1; on one written in UTF-8 it warns on
// `err` in one line with the command that converts it.
void AddDumpCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status);
