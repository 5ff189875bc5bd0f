// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One member line of a board file: the timetable as written, and the name its rows show (empty:
// the timetable's title).
struct BoardFileMember {
    std::wstring target;
    std::wstring shortName;
};

// A board file ("*.BRD", Shift-JIS): ";" and the board's title on the first line, then one
// timetable per line, "PATH [SHORT NAME]", PATH relative to the board file's folder or, with "/"
// first, to the data root. Blank lines and lines starting with ";" are comments.
struct BoardFile {
    std::wstring title;
    std::vector<BoardFileMember> members;

    // True when `path` names a board file rather than a timetable.
    static bool Names(std::wstring_view path);
    // Never fails: lines that name no file are skipped.
    static BoardFile Parse(std::string_view bytes);
};
