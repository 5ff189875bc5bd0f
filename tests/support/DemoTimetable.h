// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "settings/ColorTable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

// A timetable built in memory for the window-layer tests, the render previews and the benchmark:
// a weekday section and a weekend-and-holiday section, departures from 05:00 to 00:40 with
// notes of every length, two of the notes coloured.
class DemoTimetable {
public:
    static constexpr std::uint8_t kWeekdays = 0x3E;            // Monday to Friday
    static constexpr std::uint8_t kWeekendAndHolidays = 0xC1;  // Sunday, Saturday, holiday

    explicit DemoTimetable(const AppSettings& settings) : timetable(settings, colors, holidays) {
        timetable.title = L"中央駅";
        timetable.legend[L'a'] = {L'a', L"快速", L"快"};
        timetable.legend[L'b'] = {L'b', L"東京行", L"東"};
        timetable.legend[L'c'] = {L'c', L"各駅停車", L"各"};
        timetable.legend[L'd'] = {L'd', L"グリーン車・弱冷房車・女性専用車つき", L"Ｇ"};
        colors.Set(L"快速", 0x000000CC);      // red
        colors.Set(L"各駅停車", 0x00B06000);  // blue
        timetable.sections.push_back(MakeSection(kWeekdays, L"東京・品川方面", L"平日", 7));
        timetable.sections.push_back(
            MakeSection(kWeekendAndHolidays, L"東京・品川方面", L"土曜・休日", 12));
    }
    DemoTimetable(const DemoTimetable&) = delete;
    DemoTimetable& operator=(const DemoTimetable&) = delete;

    ColorTable colors;
    HolidayCalendar holidays;
    Timetable timetable;

private:
    // Departures every `step` minutes from 05:00 to 24:40 (00:40 of the next night).
    static DaySection MakeSection(std::uint8_t mask, std::wstring caption1, std::wstring caption2,
                                  int step) {
        static const wchar_t* const kMarks[] = {L"ab", L"c", L"", L"bd", L"acd", L"cb", L"b"};
        DaySection section;
        section.dayMask = mask;
        section.caption1 = std::move(caption1);
        section.caption2 = std::move(caption2);
        std::size_t n = 0;
        for (int time = 5 * 60; time <= 24 * 60 + 40; time += step, ++n) {
            Departure departure;
            departure.time = static_cast<std::int16_t>(time);
            departure.marks = kMarks[n % 7];
            const auto hour = static_cast<std::size_t>(time / 60);
            if (section.hourIndex[hour] < 0) {
                section.hourIndex[hour] = static_cast<std::int32_t>(section.departures.size());
            }
            section.departures.push_back(std::move(departure));
        }
        return section;
    }
};
