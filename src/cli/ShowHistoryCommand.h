// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

namespace CLI {
class App;
}

// `kovaris show-history [--settings FILE] N`: asks the window running on the settings file
// (./Kovaris.ini by default) to show history entry N and says what happened: status 0 when the
// window shows it, 1 when N is no entry number, no window runs, the window is busy or gives no
// answer, the entry does not exist or its timetable cannot be read.
void AddShowHistoryCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status);
