// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/DepartureReminder.h"

#include <cmath>

#include "text/IntFormat.h"
#include "timetable/Timetable.h"

namespace {

// A departure is its timetable (a board's member, for a board) and the minute it leaves,
// counted from the calendar's epoch, so the same train is recognised whichever row or list
// shows it.
std::wstring DepartureKey(const Timetable& timetable, int row, int secondsLeft) {
    const double leaves = timetable.currentMoment.Days() * 1440.0 + secondsLeft / 60.0;
    return timetable.SourceOf(row).path + L"@" + std::to_wstring(std::llround(leaves));
}

std::wstring ClockTime(int minutesOfDay) {
    std::wstring text;
    AppendZeroPadded(text, (minutesOfDay / 60) % 24, 2);
    text += L':';
    AppendZeroPadded(text, minutesOfDay % 60, 2);
    return text;
}

Reminder Describe(const Timetable& timetable, int row, const RowInfo& info, int leadMinutes) {
    Reminder reminder;
    // With a walk the lead counts to the moment to set off, and the title says so.
    reminder.title = std::wstring(info.walkSeconds > 0 ? L"出発まであと" : L"発車まであと") +
                     std::to_wstring(leadMinutes) + L"分";
    reminder.body = ClockTime(info.time);
    RowMarkNames names;
    if (timetable.GetRowMarkNames(row, names)) {
        for (const std::wstring* name : {&names.name1, &names.name2}) {
            if (!name->empty()) {
                reminder.body += L" " + *name;
            }
        }
    }
    reminder.body += L" (" + timetable.SourceOf(row).title + L")";
    return reminder;
}

}  // namespace

void DepartureReminder::SetOn(bool on) {
    on_ = on;
    // What was seen while reminders were off tells nothing about what is due now.
    armed_.clear();
}

std::optional<Reminder> DepartureReminder::Check(const Timetable& timetable, int row,
                                                 int leadMinutes) {
    RowInfo info;
    if (!on_ || leadMinutes <= 0 || !timetable.GetRowInfo(row, info) || info.seconds < 0) {
        return std::nullopt;
    }
    // The lead counts back from the moment the traveller must set off.
    const long long toSetOff = static_cast<long long>(info.seconds) - info.walkSeconds;
    if (toSetOff < 0) {
        return std::nullopt;
    }
    const std::wstring key = DepartureKey(timetable, row, info.seconds);
    if (reminded_.contains(key)) {
        return std::nullopt;
    }
    if (toSetOff > static_cast<long long>(leadMinutes) * 60) {
        armed_.insert(key);
        return std::nullopt;
    }
    reminded_.insert(key);
    if (armed_.erase(key) == 0) {
        return std::nullopt;  // first seen with less time left than the lead: too late
    }
    return Describe(timetable, row, info, leadMinutes);
}
