#pragma once

#include <string_view>

class AppSettings;
class Timetable;

// Reads a timetable file into a Timetable: title, legend, arrival stations and day sections.
class TimetableParser {
public:
    explicit TimetableParser(const AppSettings& settings) : settings_(settings) {}

    // False, with `timetable` untouched, when the file cannot be opened.
    bool Load(std::wstring_view path, Timetable& timetable);

private:
    const AppSettings& settings_;
};
