// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/Moment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Expected {
    int year, month, day, hour, minute, second, dayOfWeek;
};

void ExpectFields(const Moment& moment, const Expected& e, const std::string& name) {
    const MomentFields f = moment.Fields();
    EXPECT_EQ(f.year, e.year) << name;
    EXPECT_EQ(f.month, e.month) << name;
    EXPECT_EQ(f.day, e.day) << name;
    EXPECT_EQ(f.hour, e.hour) << name;
    EXPECT_EQ(f.minute, e.minute) << name;
    EXPECT_EQ(f.second, e.second) << name;
    EXPECT_EQ(f.dayOfWeek, e.dayOfWeek) << name;
}

constexpr double kSecond = 1.0 / 86400.0;

TEST(MomentTest, FieldsRoundToTheNearestSecond) {
    struct Case {
        const char* name;
        double days;
        Expected fields;
    };
    const std::vector<Case> cases = {
        {"the epoch, a Saturday", 0.0, {1899, 12, 30, 0, 0, 0, 7}},
        {"before the epoch the time counts forward", -1.25, {1899, 12, 29, 6, 0, 0, 6}},
        {"between -1 and 0 it is the epoch's day", -0.25, {1899, 12, 30, 6, 0, 0, 7}},
        {"six tenths of a second round up", 46363.5 + 0.6 * kSecond, {2026, 12, 7, 12, 0, 1, 2}},
        {"four tenths round down", 46363.5 + 0.4 * kSecond, {2026, 12, 7, 12, 0, 0, 2}},
        {"23:59:59.6 is midnight of the next day",
         46364.0 - 0.4 * kSecond,
         {2026, 12, 8, 0, 0, 0, 3}},
        {"and of the next year", 46388.0 - 0.4 * kSecond, {2027, 1, 1, 0, 0, 0, 6}},
        {"before the epoch too the date moves forward",
         -1.0 - (1.0 - 0.4 * kSecond),
         {1899, 12, 30, 0, 0, 0, 7}},
        {"on the epoch's day as well", -(1.0 - 0.4 * kSecond), {1899, 12, 31, 0, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        ExpectFields(Moment(c.days), c.fields, c.name);
    }
}

TEST(MomentTest, InvalidMomentsReadAsMinusOne) {
    for (const Moment& moment :
         {Moment::Invalid(), Moment(1e12), Moment(std::nan("")),
          Moment::FromFields(2026, 2, 30, 10, 0, 0), Moment::FromFields(2026, 12, 7, 24, 0, 0)}) {
        EXPECT_FALSE(moment.IsValid());
        ExpectFields(moment, {-1, -1, -1, -1, -1, -1, -1}, "invalid");
        EXPECT_FALSE(moment.PlusHours(1).IsValid());
    }
}

TEST(MomentTest, HoursAddAcrossDaysAndTheEpoch) {
    struct Case {
        const char* name;
        Moment from;
        double hours;
        Expected fields;
    };
    const std::vector<Case> cases = {
        {"back over midnight",
         Moment::FromFields(2026, 12, 7, 1, 30, 0),
         -2,
         {2026, 12, 6, 23, 30, 0, 1}},
        {"forward a day",
         Moment::FromFields(2026, 12, 31, 23, 0, 0),
         24,
         {2027, 1, 1, 23, 0, 0, 6}},
        {"back over the epoch",
         Moment::FromFields(1899, 12, 30, 1, 0, 0),
         -2,
         {1899, 12, 29, 23, 0, 0, 6}},
        {"forward within a day before the epoch",
         Moment::FromFields(1899, 12, 29, 6, 0, 0),
         1,
         {1899, 12, 29, 7, 0, 0, 6}},
        {"forward over the epoch",
         Moment::FromFields(1899, 12, 29, 23, 0, 0),
         2,
         {1899, 12, 30, 1, 0, 0, 7}},
    };
    for (const Case& c : cases) {
        ExpectFields(c.from.PlusHours(c.hours), c.fields, c.name);
    }
    EXPECT_EQ(Moment::FromFields(1899, 12, 29, 6, 0, 0), Moment(-1.25));
}

// Every --at of the window and the terminal tool reads its moment here.
TEST(MomentTest, ParseMomentTakesTheFormsOfEveryAtOption) {
    struct Case {
        const char* text;
        std::optional<Expected> fields;  // none: refused
    };
    const Expected tuesday{2026, 12, 8, 8, 10, 25, 3};
    const Expected noSeconds{2026, 12, 8, 8, 10, 0, 3};
    const std::vector<Case> cases = {
        {"2026-12-08 08:10:25", tuesday},
        {"2026-12-08T08:10:25", tuesday},
        {"2026-12-08 08:10", noSeconds},
        {"2026-12-08T08:10", noSeconds},
        {"2026-12-08\t08:10:25", tuesday},
        {"2026-12-08  08:10:25", tuesday},
        {"2026-1-8 8:05:00", Expected{2026, 1, 8, 8, 5, 0, 5}},
        {"2024-02-29 23:59:59", Expected{2024, 2, 29, 23, 59, 59, 5}},
        {"", std::nullopt},
        {"yesterday", std::nullopt},
        {"2026-12-08", std::nullopt},
        {"2026-12-08 08", std::nullopt},
        {"2026-12-0808:10:25", std::nullopt},
        {"2026-12-08x08:10:25", std::nullopt},
        {"2026/12/08 08:10:25", std::nullopt},
        {"2026-12-08 08:10:25 ", std::nullopt},
        {"2026-12-08 08:10:25Z", std::nullopt},
        {"2026-02-30 10:00:00", std::nullopt},
        {"2025-02-29 12:00:00", std::nullopt},
        {"2026-12-08 24:00:00", std::nullopt},
        {"2026-12-08 08:60:00", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<Moment> moment = ParseMoment(c.text);
        ASSERT_EQ(moment.has_value(), c.fields.has_value()) << c.text;
        if (moment) {
            ExpectFields(*moment, *c.fields, c.text);
        }
    }
}

}  // namespace
