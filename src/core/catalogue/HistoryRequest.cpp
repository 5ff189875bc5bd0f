// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/HistoryRequest.h"

#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>

#include "files/FileKey.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRequest = "show-history ";
constexpr std::string_view kRaise = "raise";
constexpr std::string_view kShown = "shown ";
constexpr std::string_view kFailed = "failed ";
constexpr std::string_view kNoEntry = "no-entry";
constexpr std::string_view kBusy = "busy";
constexpr std::string_view kRaised = "raised";

constexpr int kAnswerTimeoutSeconds = 10;

std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

HistoryRequestSocket HistoryRequestSocketIn(const RuntimeFolder& folder,
                                            const fs::path& settingsFile) {
    if (folder.path.empty()) {
        return {{}, {}, folder.problem};
    }
    const std::string name = "kovariswin-" + Digest(FullPathOf(settingsFile));
    return {folder.path / (name + ".sock"), folder.path / (name + ".lock"), {}};
}

HistoryRequestSocket FindHistoryRequestSocket(const fs::path& settingsFile) {
    const RuntimeFolder folder =
        FindRuntimeFolder([](const char* name) { return std::getenv(name); }, "/tmp", getuid());
    return HistoryRequestSocketIn(folder, settingsFile);
}

std::string HistoryRequestLine(int index) {
    return std::string(kRequest) + std::to_string(index) + "\n";
}

std::optional<int> ParseHistoryRequest(std::string_view line) {
    line = WithoutLineEnd(line);
    if (!line.starts_with(kRequest)) {
        return std::nullopt;
    }
    line.remove_prefix(kRequest.size());
    int index = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), index);
    if (ec != std::errc() || end != line.data() + line.size()) {
        return std::nullopt;
    }
    return index;
}

std::string RaiseRequestLine() {
    return std::string(kRaise) + "\n";
}

bool IsRaiseRequest(std::string_view line) {
    return WithoutLineEnd(line) == kRaise;
}

std::string HistoryReplyLine(const HistoryReply& reply) {
    switch (reply.outcome) {
        case HistoryOutcome::Shown:
            return std::string(kShown) + reply.path + "\n";
        case HistoryOutcome::Failed:
            return std::string(kFailed) + reply.path + "\n";
        case HistoryOutcome::Busy:
            return std::string(kBusy) + "\n";
        case HistoryOutcome::Raised:
            return std::string(kRaised) + "\n";
        case HistoryOutcome::NoEntry:
            break;
    }
    return std::string(kNoEntry) + "\n";
}

std::optional<HistoryReply> ParseHistoryReply(std::string_view line) {
    line = WithoutLineEnd(line);
    for (auto [word, outcome] :
         {std::pair{kNoEntry, HistoryOutcome::NoEntry}, std::pair{kBusy, HistoryOutcome::Busy},
          std::pair{kRaised, HistoryOutcome::Raised}}) {
        if (line == word) {
            return HistoryReply{outcome, {}};
        }
    }
    for (auto [prefix, outcome] :
         {std::pair{kShown, HistoryOutcome::Shown}, std::pair{kFailed, HistoryOutcome::Failed}}) {
        if (line.starts_with(prefix)) {
            return HistoryReply{outcome, std::string(line.substr(prefix.size()))};
        }
    }
    return std::nullopt;
}

RequestExchange ExchangeRequest(const fs::path& socket, const std::string& line) {
    const LocalConnection connection(socket, kAnswerTimeoutSeconds);
    RequestExchange exchange;
    exchange.connection = connection.state();
    if (connection.Send(line)) {
        exchange.reply = ParseHistoryReply(connection.ReceiveLine());
    }
    return exchange;
}
