// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/ServiceCalendar.h"

#include "gtfs/CsvTable.h"
#include "gtfs/FeedSource.h"
#include "gtfs/GtfsError.h"
#include "gtfs/GtfsFields.h"

namespace {

std::chrono::sys_days DateField(const CsvTable& table, std::size_t column) {
    const std::optional<std::chrono::sys_days> date = gtfs::ParseDate(table.Field(column));
    if (!date) {
        table.Fail(column, "malformed date \"" + std::string(table.Field(column)) +
                               "\" (YYYYMMDD expected)");
    }
    return *date;
}

bool FlagField(const CsvTable& table, std::size_t column) {
    const std::string_view text = table.Field(column);
    if (text != "0" && text != "1") {
        table.Fail(column, "expected 0 or 1, not \"" + std::string(text) + "\"");
    }
    return text == "1";
}

}  // namespace

ServiceCalendar::ServiceCalendar(const FeedSource& feed, const std::set<std::string>& wanted) {
    if (!feed.Has("calendar.txt") && !feed.Has("calendar_dates.txt")) {
        throw GtfsError("the feed has neither calendar.txt nor calendar_dates.txt");
    }
    if (feed.Has("calendar.txt")) {
        ReadCalendar(feed, wanted);
    }
    if (feed.Has("calendar_dates.txt")) {
        ReadExceptions(feed, wanted);
    }
}

bool ServiceCalendar::RunsOn(const std::string& service, std::chrono::sys_days day) const {
    const auto exception = exceptions_.find({service, day});
    if (exception != exceptions_.end()) {
        return exception->second;
    }
    const auto week = weeks_.find(service);
    if (week == weeks_.end() || day < week->second.start || day > week->second.end) {
        return false;
    }
    return week->second.days[std::chrono::weekday(day).c_encoding()];
}

void ServiceCalendar::ReadCalendar(const FeedSource& feed, const std::set<std::string>& wanted) {
    static constexpr const char* kDays[] = {"sunday",   "monday", "tuesday", "wednesday",
                                            "thursday", "friday", "saturday"};
    CsvTable table(feed, "calendar.txt");
    const std::size_t id = table.Column("service_id");
    std::array<std::size_t, 7> days{};
    for (std::size_t d = 0; d < days.size(); ++d) {
        days[d] = table.Column(kDays[d]);
    }
    const std::size_t start = table.Column("start_date");
    const std::size_t end = table.Column("end_date");
    while (table.Next()) {
        const std::string service(table.Field(id));
        if (!wanted.contains(service)) {
            continue;
        }
        Week& week = weeks_[service];
        for (std::size_t d = 0; d < days.size(); ++d) {
            week.days[d] = FlagField(table, days[d]);
        }
        week.start = DateField(table, start);
        week.end = DateField(table, end);
    }
}

void ServiceCalendar::ReadExceptions(const FeedSource& feed, const std::set<std::string>& wanted) {
    CsvTable table(feed, "calendar_dates.txt");
    const std::size_t id = table.Column("service_id");
    const std::size_t date = table.Column("date");
    const std::size_t type = table.Column("exception_type");
    while (table.Next()) {
        std::string service(table.Field(id));
        if (!wanted.contains(service)) {
            continue;
        }
        const std::string_view kind = table.Field(type);
        if (kind != "1" && kind != "2") {
            table.Fail(type, "exception_type must be 1 or 2, not \"" + std::string(kind) + "\"");
        }
        exceptions_[{std::move(service), DateField(table, date)}] = kind == "1";
    }
}
