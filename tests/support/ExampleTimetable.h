// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The small timetable the file format's documentation walks through: a title and a comment, two
// marks, one arrival station, a weekday section with hours after midnight and a weekend section.
inline constexpr std::wstring_view kHarborLineExample =
    L";Harbor Line for Central\n"
    L";revised in spring\n"
    L"a:Rapid Central;Rapid\n"
    L"b:Local;Local\n"
    L"$Harbor:+3 >harbor.tbl a12 b15 20\n"
    L"[MON][TUE][WED][THU][FRI]\n"
    L"#Harbor Northbound\n"
    L"5 10 a25 b40\n"
    L"23 05 a30\n"
    L"0 b15\n"
    L"[SAT][SUN][HOL]\n"
    L"6 00 30\n";
