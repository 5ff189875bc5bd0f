// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "timetable/Timetable.h"

// A board holds at most this many members; further lines are reported as not shown.
inline constexpr int kMaxBoardMembers = 64;

// Reads the board file at `path` into `board`: its title, its members and their departures
// joined. Members that cannot be read (or are boards themselves) are listed in
// `unreadableMembers`. False, with `board` untouched, when the file cannot be read or none of
// its members can.
bool LoadBoardTimetable(std::wstring_view path, Timetable& board);

// The board's sections: for each set of day types on which every member shows the same section,
// one section with the departures of those sections in time order (ties in member order). Day
// types no member serves have none.
std::vector<DaySection> JoinMemberSections(const std::vector<BoardMember>& members);
