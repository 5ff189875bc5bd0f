// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ClockText.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "text/IntFormat.h"
#include "text/WideText.h"

namespace clocktext {

namespace {

constexpr std::array<const wchar_t*, 7> kEnglishDays = {L"Sun", L"Mon", L"Tue", L"Wed",
                                                        L"Thu", L"Fri", L"Sat"};

// Group 0 is the board's own date, in the words' language; the others name days in English.
std::wstring DayName(int group, int dayOfWeek, const BoardWords& words) {
    if (dayOfWeek < 1 || dayOfWeek > 7) {
        return L"";
    }
    const auto index = static_cast<std::size_t>(dayOfWeek - 1);
    return group == 0 ? words.dayNames[index] : kEnglishDays[index];
}

std::wstring Formatted(std::wstring_view format, std::initializer_list<int> args) {
    std::wstring out;
    AppendIntFormat(out, format, args);
    return out;
}

std::wstring Two(int value) {
    return wtext::ZeroPad(value, 2);
}

}  // namespace

int DateFormatIndex(int clock) {
    return clock >= 0 && clock < kDateFormatCount ? clock : kDefaultDateFormat;
}

int TimeFormatIndex(int clock2) {
    return clock2 >= 0 && clock2 < kTimeFormatCount ? clock2 : kDefaultTimeFormat;
}

std::wstring DateText(int clock, const MomentFields& now, const BoardWords& words) {
    const int format = DateFormatIndex(clock);
    const int group = format % 4;
    // Formats 4 to 7 are 0 to 3 without the day name.
    const bool withDay = format < 4;
    const std::wstring day = withDay ? L"(" + DayName(group, now.dayOfWeek, words) + L")" : L"";
    switch (group) {
        case 0:
            return Formatted(words.longDate, {now.year, now.month, now.day}) + day;
        case 1:
            return wtext::ZeroPad(now.year, 4) + L"/" + Two(now.month) + L"/" + Two(now.day) + day;
        case 2:
            return Two(now.year % 100) + L"/" + Two(now.month) + L"/" + Two(now.day) + day;
        default:
            return Two(now.month) + L"/" + Two(now.day) + day;
    }
}

std::wstring TimeText(int clock2, const MomentFields& now, const BoardWords& words) {
    if (TimeFormatIndex(clock2) == 0) {
        return Formatted(words.longTime, {now.hour, now.minute});
    }
    return Two(now.hour) + L":" + Two(now.minute);
}

std::wstring SecondsText(int clock2, const MomentFields& now, const BoardWords& words) {
    switch (TimeFormatIndex(clock2)) {
        case 0:
            return Formatted(words.longSeconds, {now.second});
        case 1:
            return L":" + Two(now.second);
        default:
            return L"";
    }
}

std::wstring SingleLineDate(const std::wstring& date, bool dateAfterTime) {
    return dateAfterTime ? L" " + date : date + L" ";
}

int SecondsFontSize(int clockFontSize) {
    return static_cast<int>(std::max(static_cast<long long>(clockFontSize) * 2 / 3,
                                     static_cast<long long>(kMinSecondsFontSize)));
}

int UpperContentHeight(int dateHeight, int timeHeight, bool twoLines) {
    return twoLines ? dateHeight + timeHeight + 2 : std::max(dateHeight, timeHeight);
}

int RequiredHeight(int upperContentHeight, int captionHeight) {
    return upperContentHeight + captionHeight + 8;
}

}  // namespace clocktext
