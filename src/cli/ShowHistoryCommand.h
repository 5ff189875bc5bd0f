#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "catalogue/HistoryRequest.h"

namespace CLI {
class App;
}

struct HistoryExchange {
    bool connected = false;             // a window listens on the socket
    std::optional<HistoryReply> reply;  // none when it did not answer in time
};

// Sends a running window the request to show entry `index` of the shared history over the
// socket at `socketPath`.
HistoryExchange SendHistoryRequest(const std::string& socketPath, int index);

// `kovaris show-history N`: asks the running window to show history entry N and says what
// happened: status 0 when the window shows it, 1 when no window runs, the entry does not exist
// or its timetable cannot be read.
void AddShowHistoryCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status);
