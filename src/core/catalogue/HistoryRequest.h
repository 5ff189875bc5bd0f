// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "files/LocalConnection.h"
#include "files/UserFolders.h"

// The requests a companion program sends the window that works on a settings file: show entry N
// of the shared history (the timetables listed in the companion's history file, counted from 0),
// or come to the front, which a second start on the same settings file asks instead of opening a
// second window. Each travels as one line over a local socket that only this user can reach;
// the window answers each with one line.

// The socket of the window on one settings file, with the lock its window holds.
struct HistoryRequestSocket {
    std::filesystem::path socket;
    std::filesystem::path lock;
    std::string problem;  // why there is none: the runtime folder cannot be used
};

// One socket per settings file, named after a hash of the file's full path, so that two windows
// on two files both answer and a request from a folder reaches the window of that folder's file.
HistoryRequestSocket HistoryRequestSocketIn(const RuntimeFolder& folder,
                                            const std::filesystem::path& settingsFile);
// The same in this user's runtime folder.
HistoryRequestSocket FindHistoryRequestSocket(const std::filesystem::path& settingsFile);

std::string HistoryRequestLine(int index);
// The index a request line asks for; none for anything else.
std::optional<int> ParseHistoryRequest(std::string_view line);
std::string RaiseRequestLine();
bool IsRaiseRequest(std::string_view line);

enum class HistoryOutcome {
    Shown,
    NoEntry,
    Failed,
    Busy,    // a message box or dialog is open, or another request is being served
    Raised,  // the answer to a raise request
};

struct HistoryReply {
    HistoryOutcome outcome = HistoryOutcome::NoEntry;
    std::string path;  // UTF-8; the timetable shown or the one that could not be read
};

std::string HistoryReplyLine(const HistoryReply& reply);
// None when the line is not a reply at all.
std::optional<HistoryReply> ParseHistoryReply(std::string_view line);

// One request and its answer.
struct RequestExchange {
    LocalConnection::State connection = LocalConnection::State::Failed;
    std::optional<HistoryReply> reply;  // none when the window did not answer in time
};

// Sends `line` to the window listening at `socket` and waits for its answer; a window busy with
// a message box answers at once, but a hung one must not hang the caller.
RequestExchange ExchangeRequest(const std::filesystem::path& socket, const std::string& line);
