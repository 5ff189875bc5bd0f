// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "timetable/BoardWords.h"
#include "timetable/Timetable.h"

class AppSettings;

// Which of the seven countdown formats a departure row shows.
enum class CountdownFormat {
    Gone = 0,            // left, and not the train that left last: blanks
    Seconds = 1,         // under a minute to go
    MinutesSeconds = 2,  // under `CountDown` minutes to go
    Minutes = 3,         // under an hour to go
    HoursMinutes = 4,    // an hour or more to go
    LeftRecently = 5,    // the train that left last, under `CountDown` minutes ago
    LeftMinutes = 6,     // the train that left last, longer ago
};

// The format for a row `seconds` before its departure (negative once it has left) at
// `distance` rows below the next departure (1 is the train that left last).
CountdownFormat ChooseCountdownFormat(int seconds, int distance, int countDown);

// The countdown text; `shortTimeLeft` non-zero picks the compact set of formats, which has no
// words. `words` default to the board's own Japanese throughout.
std::wstring CountdownText(int seconds, int distance, int countDown, int shortTimeLeft,
                           const BoardWords& words = {});
void AppendCountdownText(std::wstring& out, int seconds, int distance, int countDown,
                         int shortTimeLeft, const BoardWords& words = {});

// The seconds a row's countdown shows: to the departure, or with `WalkCount` to the moment the
// traveller must set off (the departure less the walking time).
int CountdownSeconds(const RowInfo& row, const AppSettings& settings);

// The text the departure list draws for a departure row, before its note: label, departure time
// and countdown, ending in one space. `settings` gives `CountDown` and `ShortTimeLeft`.
std::wstring RowText(const RowInfo& row, const AppSettings& settings, const BoardWords& words = {});
// The same into `out` (cleared first), keeping its capacity for the next row.
void BuildRowText(std::wstring& out, const RowInfo& row, const AppSettings& settings,
                  const BoardWords& words);

// The text of a spare row after the last departure.
std::wstring BlankRowText(const BoardWords& words = {});

// What a screen reader says for a departure row: the label, time, countdown and note it draws,
// without the blanks that line the columns up ("先発 05:25 あと2分59秒 快速 南台行"), and of a
// train out of reach that it is ("05:24 あと1分59秒 間に合いません 快速 南台行").
std::wstring SpokenRowText(const RowInfo& row, const AppSettings& settings,
                           const BoardWords& words = {});
// The same for a spare row after the last departure.
std::wstring SpokenBlankRowText();
