// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// The words the board draws around its numbers. As made they are the board's own Japanese, what
// the terminal board prints; a window in another language fills the same fields in its words.
// Each format takes the numbers its comment names. Within one set the labels take one width in a
// fixed-pitch font, and so do the long countdowns, so that the columns of the list line up.
struct BoardWords {
    // The next three departures in real-time mode, the next first.
    std::array<std::wstring, 3> nextLabels = {L"先　発", L"次　発", L"次々発"};
    std::wstring blankLabel = L"　　　";
    std::wstring hourLabel = L"%02d時台";  // the hour, on its first departure
    // Said, not drawn, of a train the walk to the station no longer reaches (drawn dimmed).
    std::wstring outOfReach = L"間に合いません";
    // Indexed by CountdownFormat: none; seconds; minutes, seconds; minutes; hours, minutes;
    // minutes, seconds since; minutes since.
    std::array<std::wstring, 7> longCountdowns = {
        L"           ",     L"あと   %02d秒",  L"あと%d分%02d秒", L"あと   %02d分",
        L" %02d時間%02d分", L"    %d分%02d秒", L"      %03d分",
    };
    // The clock's own date and time, with the day names it puts after that date, Sunday first.
    std::wstring longDate = L"%04d年%02d月%02d日";  // year, month, day
    std::array<std::wstring, 7> dayNames = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};
    std::wstring longTime = L"%02d時%02d分";  // hour, minute
    std::wstring longSeconds = L"%02d秒";     // second
};
