// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "gtfs/TimetableDraft.h"

// A timetable about to be written, with what may tell it apart from a namesake.
struct PlannedTimetable {
    TimetableDraft draft;
    std::wstring agencyName;
    std::wstring longName;
    std::wstring fileName;  // given by ArrangeTimetables
};

// Puts the timetables busiest first (most departures in the week) and gives each its file name,
// "<route>_<direction>.TBL". Where two would carry one caption, their route names say how they
// differ: the operator, else the route's long name, else the first station only one of them
// serves ("さくら線（港南経由）"). A file name that still clashes once cleaned gets "_2", "_3" ...
void ArrangeTimetables(std::vector<PlannedTimetable>& timetables);
