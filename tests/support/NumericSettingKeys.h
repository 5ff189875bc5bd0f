// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// Every key of the settings file that holds a number (flags excepted, which read as 0 or 1), and
// the two limits a hand-edited file can reach: a value beyond them is read as the limit.
inline constexpr std::array<const char*, 26> kNumericSettingKeys = {
    "DayChgHour",      "Clock",           "Clock2",          "CountDown",       "DlgFontSize",
    "ClockFontSize",   "StationFontSize", "TimeLstFontSize", "TrnsLstFontSize", "PortOnly",
    "Progress",        "DirScroll",       "ScrollMode",      "AlmBefTime",      "ColorBack",
    "ColorFont",       "SK_TimesUP",      "SK_TimesDOWN",    "SK_1HourPrev",    "SK_1HourNext",
    "SK_RealTimeMode", "SK_TrnsUP",       "SK_TrnsDOWN",     "SK_TrnsNext",     "SK_TrnsPrev",
    "SK_TrnsStart",
};
inline constexpr std::array<const char*, 2> kIntLimits = {"2147483647", "-2147483648"};
