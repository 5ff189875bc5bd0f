// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"
#include "timetable/TimetableParser.h"

namespace {

// What every later lookup relies on, whatever the file held.
void CheckSections(const Timetable& timetable) {
    for (const DaySection& section : timetable.sections) {
        if (section.departures.empty() || section.dayMask == 0 ||
            section.departures.size() > 32767) {
            std::abort();
        }
        for (const int index : section.hourIndex) {
            if (index < -1 || index > static_cast<long long>(section.departures.size())) {
                std::abort();
            }
        }
    }
}

}  // namespace

// The first byte is the day-change hour (as a signed byte, so odd settings are covered too);
// the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static AppSettings settings;
    static const ColorTable colors;
    static const HolidayCalendar holidays;
    if (size == 0) {
        return 0;
    }
    settings.dayChgHour = static_cast<std::int8_t>(data[0]);
    Timetable timetable(settings, colors, holidays);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    TimetableParser(settings).Parse(bytes, timetable);
    CheckSections(timetable);
    return 0;
}
