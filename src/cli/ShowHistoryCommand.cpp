// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowHistoryCommand.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "catalogue/HistoryRequest.h"

namespace {

struct ShowHistoryOptions {
    std::string index;
    std::string settingsFile = "./Kovaris.ini";
};

// A history entry number: digits only, as a shell user types it.
std::optional<int> EntryNumber(const std::string& text) {
    int index = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, index);
    if (text.empty() || text.front() == '-' || ec != std::errc() || stop != end) {
        return std::nullopt;
    }
    return index;
}

// The line that says what the window's answer came to, and the status.
int Report(const RequestExchange& exchange, const std::string& settingsFile, int index,
           std::ostream& out, std::ostream& err) {
    using State = LocalConnection::State;
    switch (exchange.connection) {
        case State::NoListener:
            err << "kovaris: no KovarisWin window is running on " << settingsFile << "\n";
            return 1;
        case State::OtherUser:
            err << "kovaris: the socket of " << settingsFile
                << " is held by another user; nothing was asked\n";
            return 1;
        case State::Failed:
            err << "kovaris: cannot connect to the KovarisWin window on " << settingsFile << "\n";
            return 1;
        case State::Connected:
            break;
    }
    const std::optional<HistoryReply>& reply = exchange.reply;
    if (!reply || reply->outcome == HistoryOutcome::Raised) {
        err << "kovaris: the KovarisWin window did not answer\n";
        return 1;
    }
    switch (reply->outcome) {
        case HistoryOutcome::Shown:
            out << "shown: " << reply->path << "\n";
            return 0;
        case HistoryOutcome::Failed:
            err << "kovaris: the window could not read " << reply->path << "\n";
            return 1;
        case HistoryOutcome::Busy:
            err << "kovaris: the KovarisWin window is busy (a message box or dialog is open); "
                   "try again later\n";
            return 1;
        case HistoryOutcome::NoEntry:
        case HistoryOutcome::Raised:
            break;
    }
    err << "kovaris: the history has no entry " << index << "\n";
    return 1;
}

int RunShowHistory(const ShowHistoryOptions& options, std::ostream& out, std::ostream& err) {
    const std::optional<int> index = EntryNumber(options.index);
    if (!index) {
        err << "kovaris: show-history: N must be a history entry number (0, 1, 2, ...), not \""
            << options.index << "\"\n";
        return 1;
    }
    const HistoryRequestSocket socket = FindHistoryRequestSocket(options.settingsFile);
    if (socket.socket.empty()) {
        err << "kovaris: no socket to reach a window: " << socket.problem << "\n";
        return 1;
    }
    return Report(ExchangeRequest(socket.socket, HistoryRequestLine(*index)), options.settingsFile,
                  *index, out, err);
}

}  // namespace

void AddShowHistoryCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status) {
    auto options = std::make_shared<ShowHistoryOptions>();
    CLI::App* command = app.add_subcommand(
        "show-history", "Ask the running KovarisWin window to show an entry of the shared history");
    command
        ->add_option("N", options->index, "the entry's place in KovarisHstWin.ini, counted from 0")
        ->required();
    command->add_option("--settings", options->settingsFile,
                        "the settings file of the window to ask (default ./Kovaris.ini)");
    command->callback(
        [options, &out, &err, &status] { status = RunShowHistory(*options, out, err); });
}
