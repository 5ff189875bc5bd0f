// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/GtfsFields.h"

#include <charconv>

namespace gtfs {

namespace {

// Exactly `digits` decimal digits at `pos`.
std::optional<int> Digits(std::string_view text, std::size_t pos, std::size_t digits) {
    if (pos + digits > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = pos; i < pos + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::optional<std::chrono::sys_days> CalendarDay(std::optional<int> year, std::optional<int> month,
                                                 std::optional<int> day) {
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    return date.ok() ? std::optional(std::chrono::sys_days(date)) : std::nullopt;
}

}  // namespace

std::optional<int> ParseTime(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon != 1 && colon != 2) {
        return std::nullopt;
    }
    const std::optional<int> hours = Digits(text, 0, colon);
    const std::optional<int> minutes = Digits(text, colon + 1, 2);
    const std::optional<int> seconds = Digits(text, colon + 4, 2);
    if (text.size() != colon + 6 || text[colon + 3] != ':' || !hours || !minutes || !seconds ||
        *minutes > 59 || *seconds > 59) {
        return std::nullopt;
    }
    return (*hours * 60 + *minutes) * 60 + *seconds;
}

std::optional<std::chrono::sys_days> ParseDate(std::string_view text) {
    if (text.size() != 8) {
        return std::nullopt;
    }
    return CalendarDay(Digits(text, 0, 4), Digits(text, 4, 2), Digits(text, 6, 2));
}

std::optional<std::chrono::sys_days> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    return CalendarDay(Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2));
}

std::string IsoDate(std::chrono::sys_days day) {
    const std::chrono::year_month_day date(day);
    std::string text = std::to_string(static_cast<int>(date.year())) + "-";
    const auto twoDigits = [](unsigned value) {
        return std::string(value < 10 ? "0" : "") + std::to_string(value);
    };
    return text + twoDigits(static_cast<unsigned>(date.month())) + "-" +
           twoDigits(static_cast<unsigned>(date.day()));
}

std::optional<long> ParseCount(std::string_view text) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < 0) {
        return std::nullopt;
    }
    return value;
}

}  // namespace gtfs
