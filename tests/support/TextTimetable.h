// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "TestFiles.h"
#include "settings/AppSettings.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

// A timetable read through the program's reader from `text`, written as a user's Shift-JIS
// file, with settings, colours and holidays of its own.
struct TextTimetable {
    explicit TextTimetable(const std::wstring& text) {
        WriteSJisFile(dir.File(L"t.TBL"), text);
        loaded = timetable.LoadTimetable(dir.File(L"t.TBL"));
    }

    TempDir dir;
    AppSettings settings;
    ColorTable colors;
    HolidayCalendar holidays;
    Timetable timetable{settings, colors, holidays};
    bool loaded = false;
};
