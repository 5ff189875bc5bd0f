// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "timetable/BoardWords.h"
#include "timetable/Moment.h"

// The texts and font arithmetic of the clock control. The format indices come from the settings
// file, where a hand edit can leave any number: unknown indices fall back to the defaults.
namespace clocktext {

inline constexpr int kDateFormatCount = 8;
inline constexpr int kTimeFormatCount = 3;
inline constexpr int kDefaultDateFormat = 0;
inline constexpr int kDefaultTimeFormat = 1;
inline constexpr int kMinSecondsFontSize = 80;

int DateFormatIndex(int clock);
int TimeFormatIndex(int clock2);

// The date as `Clock` asks: "2026年12月07日(月)", "2026/12/07(Mon)", "26/12/07", "12/07" ...
// The formats with words (0 and 4) take them from `words`.
std::wstring DateText(int clock, const MomentFields& now, const BoardWords& words = {});
// Hour and minute as `Clock2` asks, and the seconds drawn after them in the smaller font.
std::wstring TimeText(int clock2, const MomentFields& now, const BoardWords& words = {});
std::wstring SecondsText(int clock2, const MomentFields& now, const BoardWords& words = {});

// On one line the date and the time are separated by one space, on the side facing the time.
std::wstring SingleLineDate(const std::wstring& date, bool dateAfterTime);

// Font size (tenths of a point) of the seconds: two thirds of the time's, at least 8 points.
int SecondsFontSize(int clockFontSize);

// Height of the upper box's content: date over time on two lines, or the taller of the two.
int UpperContentHeight(int dateHeight, int timeHeight, bool twoLines);
// The height the control needs: both boxes with their margins.
int RequiredHeight(int upperContentHeight, int captionHeight);

}  // namespace clocktext
