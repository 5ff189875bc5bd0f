// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "gtfs/GtfsFields.h"

namespace {

TEST(GtfsFieldsTest, TimesAreReadStrictly) {
    struct Case {
        std::string text;
        std::optional<int> seconds;
    };
    const std::vector<Case> cases = {
        {"07:05:09", 7 * 3600 + 5 * 60 + 9}, {"7:05:09", 7 * 3600 + 5 * 60 + 9},
        {"25:10:00", 25 * 3600 + 10 * 60},   {"00:00:00", 0},
        {"8:3O:00", std::nullopt},           {"07:60:00", std::nullopt},
        {"07:05:60", std::nullopt},          {"07:05", std::nullopt},
        {"07:05:00:00", std::nullopt},       {"123:00:00", std::nullopt},
        {"-1:00:00", std::nullopt},          {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gtfs::ParseTime(c.text), c.seconds) << c.text;
    }
}

TEST(GtfsFieldsTest, DatesMustBeCalendarDays) {
    using namespace std::chrono;
    EXPECT_EQ(gtfs::ParseDate("20240229"), sys_days(2024y / February / 29));
    EXPECT_EQ(gtfs::ParseDate("20230229"), std::nullopt);
    EXPECT_EQ(gtfs::ParseDate("2024-02-29"), std::nullopt);
    EXPECT_EQ(gtfs::ParseIsoDate("2024-02-29"), sys_days(2024y / February / 29));
    EXPECT_EQ(gtfs::ParseIsoDate("2024-13-01"), std::nullopt);
    EXPECT_EQ(gtfs::IsoDate(sys_days(2024y / April / 9)), "2024-04-09");
}

}  // namespace
