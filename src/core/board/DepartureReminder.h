// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <set>
#include <string>

class Timetable;

// What a reminder tells the traveller.
struct Reminder {
    std::wstring title;  // "発車まであと5分"; "出発まであと5分" with a walk
    std::wstring body;   // "08:14 急行 桜川中央"
};

// Reminds the traveller a chosen number of minutes before the departure they look at: once per
// departure, and only for a departure first seen with more time than that left, so switching
// reminders on next to a train about to leave, refreshing or refilling the list never reminds
// twice or late. It lives for the whole run, across rebuilt windows.
class DepartureReminder {
public:
    void SetOn(bool on);
    bool IsOn() const { return on_; }

    // Looks at departure `row` of `timetable` at its current moment, `leadMinutes` before its
    // departure; the reminder to give now, if any.
    std::optional<Reminder> Check(const Timetable& timetable, int row, int leadMinutes);

private:
    bool on_ = false;
    std::set<std::wstring> armed_;     // seen with more than the lead time left
    std::set<std::wstring> reminded_;  // reminded, or too close when first seen
};
