// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// Calendar fields of a moment; every field is -1 for an invalid moment.
struct MomentFields {
    int year = -1;
    int month = -1;
    int day = -1;
    int hour = -1;
    int minute = -1;
    int second = -1;
    int dayOfWeek = -1;  // 1 Sunday .. 7 Saturday
};

// A calendar date-time kept as days since 30 December 1899 (a real number: the fraction is the
// time of day) with a validity flag, as the timetable's moments have always been stored.
// Fields are rounded to the nearest second; adding hours adds hours / 24 days.
class Moment {
public:
    Moment() = default;  // 0.0: midnight of 30 December 1899, valid
    explicit Moment(double days);

    static Moment FromFields(int year, int month, int day, int hour, int minute, int second);
    static Moment Invalid();

    bool IsValid() const { return valid_; }
    double Days() const { return days_; }
    MomentFields Fields() const;

    int Hour() const { return Fields().hour; }
    int Minute() const { return Fields().minute; }
    int Second() const { return Fields().second; }

    Moment PlusHours(double hours) const;
    Moment PlusDays(double days) const;

    bool operator==(const Moment&) const = default;

private:
    double days_ = 0.0;
    bool valid_ = true;
};

// "YYYY-MM-DD HH:MM:SS", with "T" or any white space between date and time, with or without
// the seconds, as every --at option of the programs takes it; none for anything else or a
// moment that does not exist.
std::optional<Moment> ParseMoment(const std::string& text);
