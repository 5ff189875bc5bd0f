#include "timetable/Timetable.h"

#include "timetable/TimetableParser.h"

Timetable::Timetable(const AppSettings& settings, const ColorTable& colours,
                     const HolidayCalendar& holidays)
    : settings_(&settings), colours_(&colours), holidays_(&holidays) {}

bool Timetable::LoadTimetable(std::wstring_view filePath) {
    return TimetableParser(*settings_).Load(filePath, *this);
}
