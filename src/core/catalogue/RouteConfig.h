// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "catalogue/CatalogueEntry.h"

class HolidayCalendar;
class SJisLines;

// Reads a route configuration file: the entries of one catalogue level, in file order, and an
// optional "[HOL]" section that goes to the holiday calendar. `entries` is emptied and refilled
// when the file opens. Returns the number of entries, or -1 when the file cannot be opened or a
// read error occurs before the holiday section.
int ParseRouteConfig(std::wstring_view path, std::vector<CatalogueEntry>& entries,
                     HolidayCalendar& holidays);

// The same from lines in memory; `entries` is emptied first. True when the holiday section was
// reached.
bool ParseRouteConfigLines(SJisLines& lines, std::vector<CatalogueEntry>& entries,
                           HolidayCalendar& holidays);

// One entry line, already known to be neither empty, a comment nor the holiday header.
CatalogueEntry ParseRouteConfigLine(std::wstring_view line);

// True for the line that starts the holiday section, in any case and with blanks around it.
bool IsRouteConfigHolidayHeader(std::wstring_view line);
