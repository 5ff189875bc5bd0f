// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/SJisLines.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SJisLines lines(std::string_view(reinterpret_cast<const char*>(data), size));
    HolidayCalendar calendar;
    ReadHolidayList(lines, calendar);
    for (const auto& [key, name] : calendar.Entries()) {
        if (name.size() > 255) {
            __builtin_trap();
        }
        for (wchar_t c : name) {
            if (wtext::IsSpace(c)) {
                __builtin_trap();
            }
        }
    }
    for (int month = 1; month <= 12; ++month) {
        static_cast<void>(calendar.FindHoliday(month, 1));
    }
    return 0;
}
