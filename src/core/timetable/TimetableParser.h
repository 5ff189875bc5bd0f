// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

class AppSettings;
class Timetable;

// Reads a timetable file into a Timetable: title, legend, arrival stations and day sections.
class TimetableParser {
public:
    explicit TimetableParser(const AppSettings& settings) : settings_(settings) {}

    // False, with `timetable` untouched, when the file cannot be opened or read.
    bool Load(std::wstring_view path, Timetable& timetable);

    // Replaces title, legend, arrivals and sections of `timetable` with what the Shift-JIS
    // bytes of a timetable file hold. Never fails: malformed lines are ignored or cut.
    void Parse(std::string_view bytes, Timetable& timetable) const;

    // The folder of `path`: up to and including its last separator ("/", or "\" from files
    // prepared on Windows); empty when it has none.
    static std::wstring FolderOf(std::wstring_view path);

private:
    const AppSettings& settings_;
};
