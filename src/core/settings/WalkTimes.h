// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class SJisLines;

// The traveller's walking time to each timetable's station, kept in "KovarisWalk.ini" beside
// Kovaris.ini: "PATH=MINUTES" lines (Shift-JIS, CR LF), PATH relative to the data root as the
// catalogue names it. A PATH matches whatever its case and whichever of "\" and "/" separate,
// as every path written in a file does. Lines that name no walking time are kept as they are.
class WalkTimes {
public:
    static constexpr int kMaxMinutes = 120;

    // "KovarisWalk.ini" in the folder of the settings file `settingsPath`.
    static std::wstring FileBeside(std::wstring_view settingsPath);

    // Reads `path`; a missing file is an empty list. False when the file is there but cannot be
    // read whole: Save then leaves it alone.
    bool Load(std::wstring_view path);
    void Read(SJisLines& source);
    // Replaces the file atomically; false (the old file kept) when a path Shift-JIS cannot hold
    // is to be written or the file was left unread.
    bool Save(std::wstring_view path) const;
    std::optional<std::string> FileBytes() const;

    // The minutes for the timetable at `timetablePath` under `dataRoot`; 0 for none.
    int MinutesFor(std::wstring_view dataRoot, std::wstring_view timetablePath) const;
    // Sets them (0 removes the line); minutes out of range are refused (false).
    bool Set(std::wstring_view dataRoot, std::wstring_view timetablePath, int minutes);

private:
    struct Line {
        std::wstring text;  // as read, for a line that names no walking time
        std::wstring path;  // as written; empty for a kept line
        std::wstring key;   // the path folded for matching
        int minutes = 0;
    };
    const Line* Find(const std::wstring& key) const;

    std::vector<Line> lines_;
    bool leftUnread_ = false;
};
