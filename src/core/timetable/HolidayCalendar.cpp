// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/HolidayCalendar.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <optional>
#include <utility>

#include "files/CSJisFile.h"
#include "files/PathLookup.h"
#include "text/WideText.h"

namespace {

constexpr std::size_t kMaxNameLength = 255;

struct HolidayLine {
    int key = 0;
    std::wstring name;
};

// "month/day:name". Month and day must both be there; a missing name gives an unnamed holiday
// rather than borrowing the previous line's. Keys beyond the int range are no calendar date.
std::optional<HolidayLine> ParseHolidayLine(std::wstring_view line) {
    std::size_t pos = 0;
    const std::optional<int> month = wtext::ScanInt(line, pos);
    if (!month || pos >= line.size() || line[pos] != L'/') {
        return std::nullopt;
    }
    ++pos;
    const std::optional<int> day = wtext::ScanInt(line, pos);
    if (!day) {
        return std::nullopt;
    }
    // A saturated month or day stands for a number beyond the int range, whatever it adds to.
    const auto saturated = [](int v) { return v == INT_MAX || v == INT_MIN; };
    const long long key = static_cast<long long>(*month) * 100 + *day;
    if (saturated(*month) || saturated(*day) || key < INT_MIN || key > INT_MAX) {
        return std::nullopt;
    }
    HolidayLine holiday{static_cast<int>(key), {}};
    if (pos < line.size() && line[pos] == L':') {
        const std::wstring_view rest = wtext::TrimLeft(line.substr(pos + 1));
        std::size_t end = 0;
        while (end < rest.size() && !wtext::IsSpace(rest[end])) {
            ++end;
        }
        holiday.name = rest.substr(0, std::min(end, kMaxNameLength));
    }
    return holiday;
}

}  // namespace

const std::wstring* HolidayCalendar::FindHoliday(int month, int day) const {
    const long long key = static_cast<long long>(month) * 100 + day;
    if (key < INT_MIN || key > INT_MAX) {
        return nullptr;
    }
    const auto it = entries_.find(static_cast<int>(key));
    return it == entries_.end() ? nullptr : &it->second;
}

void LoadHolidays(std::wstring_view dataRoot, HolidayCalendar& calendar) {
    CSJisFile file;
    if (file.Open(DataRootFile(dataRoot, L"Holiday.dat"), CSJisFile::Mode::Read)) {
        ReadHolidayList(file.Lines(), calendar);
    }
}

void ReadHolidayList(SJisLines& lines, HolidayCalendar& calendar) {
    std::wstring line;
    while (lines.ReadString(line)) {
        if (wtext::Trim(line) == L"[HOL]") {
            ReadHolidaySection(lines, calendar);
            return;
        }
    }
}

void ReadHolidaySection(SJisLines& lines, HolidayCalendar& calendar) {
    std::wstring line;
    while (lines.ReadString(line)) {
        // The comment mark counts only as the very first character.
        if (line.empty() || line.front() == L';') {
            continue;
        }
        if (std::optional<HolidayLine> holiday = ParseHolidayLine(line)) {
            calendar.Set(holiday->key, std::move(holiday->name));
        }
    }
}
