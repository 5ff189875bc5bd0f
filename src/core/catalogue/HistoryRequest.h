#pragma once

#include <optional>
#include <string>
#include <string_view>

// The request a companion program sends a running window: show entry N of the shared history
// (the timetables listed in the companion's history file, counted from 0). It travels as one
// line over a local socket that only this user can reach; the window answers with one line.

// "$XDG_RUNTIME_DIR/kovariswin.sock", or a name of this user's in /tmp without one.
std::string HistoryRequestSocketPath();

std::string HistoryRequestLine(int index);
// The index a request line asks for; none for anything else.
std::optional<int> ParseHistoryRequest(std::string_view line);

enum class HistoryOutcome { Shown, NoEntry, Failed };

struct HistoryReply {
    HistoryOutcome outcome = HistoryOutcome::NoEntry;
    std::string path;  // UTF-8; the timetable shown or the one that could not be read
};

std::string HistoryReplyLine(const HistoryReply& reply);
// None when the line is not a reply at all.
std::optional<HistoryReply> ParseHistoryReply(std::string_view line);
