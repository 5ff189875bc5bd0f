#include "catalogue/HistoryRequest.h"

#include <unistd.h>

#include <charconv>
#include <cstdlib>

namespace {

constexpr std::string_view kRequest = "show-history ";
constexpr std::string_view kShown = "shown ";
constexpr std::string_view kFailed = "failed ";
constexpr std::string_view kNoEntry = "no-entry";

std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

std::string HistoryRequestSocketPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') {
        return std::string(runtime) + "/kovariswin.sock";
    }
    return "/tmp/kovariswin-" + std::to_string(getuid()) + ".sock";
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

std::string HistoryReplyLine(const HistoryReply& reply) {
    switch (reply.outcome) {
        case HistoryOutcome::Shown:
            return std::string(kShown) + reply.path + "\n";
        case HistoryOutcome::Failed:
            return std::string(kFailed) + reply.path + "\n";
        case HistoryOutcome::NoEntry:
            break;
    }
    return std::string(kNoEntry) + "\n";
}

std::optional<HistoryReply> ParseHistoryReply(std::string_view line) {
    line = WithoutLineEnd(line);
    if (line == kNoEntry) {
        return HistoryReply{HistoryOutcome::NoEntry, {}};
    }
    for (auto [prefix, outcome] :
         {std::pair{kShown, HistoryOutcome::Shown}, std::pair{kFailed, HistoryOutcome::Failed}}) {
        if (line.starts_with(prefix)) {
            return HistoryReply{outcome, std::string(line.substr(prefix.size()))};
        }
    }
    return std::nullopt;
}
