// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <string_view>

class SJisLines;

// Public holidays by month and day, without a year: key month * 100 + day, value the name.
// Filled from "Holiday.dat" in the data root and from the "[HOL]" section of route
// configuration files; entries are only added or replaced, never cleared.
class HolidayCalendar {
public:
    // Returns the holiday's name (possibly empty) or nullptr when the date is no holiday.
    const std::wstring* FindHoliday(int month, int day) const;
    void Set(int key, std::wstring name) { entries_[key] = std::move(name); }
    const std::map<int, std::wstring>& Entries() const { return entries_; }

private:
    std::map<int, std::wstring> entries_;
};

// Reads "Holiday.dat" of the data root (which ends in a separator); silent when it is missing.
void LoadHolidays(std::wstring_view dataRoot, HolidayCalendar& calendar);

// The holiday list's lines: those after the "[HOL]" line are holiday lines.
void ReadHolidayList(SJisLines& lines, HolidayCalendar& calendar);

// Reads every remaining line, the one after a "[HOL]" line first, as a holiday line.
void ReadHolidaySection(SJisLines& lines, HolidayCalendar& calendar);
