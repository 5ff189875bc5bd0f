// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "TestFiles.h"
#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

// A board of two lines, written as a user's Shift-JIS files under a data root of its own.
// "b/all.BRD" joins the northern line beside it (with a short name of two words) and the southern
// one under the root (named by its title), and names a missing timetable and another board. Mark
// "a" is a rapid train on one line and an express on the other. Both lines run on weekdays, the
// northern one on Saturdays too; the southern line's last train of the night is the later one,
// and its one station leads to the bay line beside it.
struct ExampleBoard {
    static constexpr ColorRef kRapidColor = 0x000000CC;
    static constexpr ColorRef kExpressColor = 0x00B06000;

    ExampleBoard() {
        settings.dataPath = dir.Root();
        colors.Set(L"快速", kRapidColor);
        colors.Set(L"急行", kExpressColor);
        WriteSJisFile(dir.File(L"b/all.BRD"),
                      L";駅 全方面\n; 北線と南線\n\n"
                      L"n.TBL 北 行き\n\\s\\south.TBL\n"
                      L"missing.TBL 無し\ninner.BRD\n");
        WriteSJisFile(dir.File(L"b/inner.BRD"), L";中\nn.TBL\n");
        WriteSJisFile(dir.File(L"b/none.BRD"), L";無\nmissing.TBL\ninner.BRD\n");
        WriteSJisFile(dir.File(L"b/n.TBL"),
                      L";北線\na:快速;快\n[MON][TUE][WED][THU][FRI]\n"
                      L"#北線 平日\n8 00 a10 12 20\n2 05\n"
                      L"[SAT]\n#北線 土曜\n8 05\n");
        WriteSJisFile(dir.File(L"s/south.TBL"),
                      L";南線\na:急行;急\n$湾:+3 >bay.TBL 12\n"
                      L"[MON][TUE][WED][THU][FRI]\n"
                      L"#南線 平日\n8 a10 14 15 a30\n2 40\n");
        WriteSJisFile(dir.File(L"s/bay.TBL"),
                      L";湾岸線\n[MON][TUE][WED][THU][FRI]\n"
                      L"#湾岸線 平日\n8 40 50\n");
    }

    std::wstring Path() const { return dir.File(L"b/all.BRD"); }

    TempDir dir;
    AppSettings settings;
    ColorTable colors;
    HolidayCalendar holidays;
    Timetable board{settings, colors, holidays};
};
