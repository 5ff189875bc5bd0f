// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/FeedPeriod.h"

#include <algorithm>

#include "gtfs/CsvTable.h"
#include "gtfs/FeedSource.h"
#include "gtfs/GtfsFields.h"

namespace {

using std::chrono::days;
using std::chrono::sys_days;

struct Span {
    std::optional<sys_days> first;
    std::optional<sys_days> last;

    void Include(std::optional<sys_days> from, std::optional<sys_days> to) {
        if (from) {
            first = first ? std::min(*first, *from) : *from;
        }
        if (to) {
            last = last ? std::max(*last, *to) : *to;
        }
    }
};

std::optional<sys_days> DateIn(const CsvTable& table, const std::optional<std::size_t>& column) {
    return gtfs::ParseDate(table.Field(column));
}

Span FeedInfoSpan(const FeedSource& feed) {
    Span span;
    if (feed.Has("feed_info.txt")) {
        CsvTable table(feed, "feed_info.txt");
        const std::optional<std::size_t> start = table.FindColumn("feed_start_date");
        const std::optional<std::size_t> end = table.FindColumn("feed_end_date");
        if (table.Next()) {
            span.Include(DateIn(table, start), DateIn(table, end));
        }
    }
    return span;
}

Span CalendarSpan(const FeedSource& feed) {
    Span span;
    if (feed.Has("calendar.txt")) {
        CsvTable table(feed, "calendar.txt");
        const std::optional<std::size_t> start = table.FindColumn("start_date");
        const std::optional<std::size_t> end = table.FindColumn("end_date");
        while (table.Next()) {
            span.Include(DateIn(table, start), DateIn(table, end));
        }
    }
    if (feed.Has("calendar_dates.txt")) {
        CsvTable table(feed, "calendar_dates.txt");
        const std::optional<std::size_t> date = table.FindColumn("date");
        const std::optional<std::size_t> type = table.FindColumn("exception_type");
        while (table.Next()) {
            if (table.Field(type) == "1") {
                span.Include(DateIn(table, date), DateIn(table, date));
            }
        }
    }
    return span;
}

}  // namespace

std::optional<FeedPeriod> FeedPeriod::Read(const FeedSource& feed) {
    Span span = FeedInfoSpan(feed);
    if (!span.first || !span.last) {
        const Span calendar = CalendarSpan(feed);
        span.first = span.first ? span.first : calendar.first;
        span.last = span.last ? span.last : calendar.last;
    }
    if (!span.first || !span.last || *span.first > *span.last) {
        return std::nullopt;
    }
    return FeedPeriod(*span.first, *span.last);
}

bool FeedPeriod::Meets(sys_days start) const {
    return start <= last_ && start + days(6) >= first_;
}

sys_days FeedPeriod::NearestWeek(sys_days start) const {
    return std::clamp(start, first_, std::max(first_, last_ - days(6)));
}

std::string OutsideServiceNote(const FeedSource& feed, sys_days start) {
    const std::optional<FeedPeriod> period = FeedPeriod::Read(feed);
    if (!period || period->Meets(start)) {
        return "";
    }
    return ": the feed serves " + gtfs::IsoDate(period->First()) + " to " +
           gtfs::IsoDate(period->Last()) + "; try --date " +
           gtfs::IsoDate(period->NearestWeek(start));
}
