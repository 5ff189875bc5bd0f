// SPDX-License-Identifier: GPL-3.0-or-later
// A hand-edited settings file may hold any 32-bit number; the list and the clock must draw,
// whatever it is (the sanitizer build turns any overflow into a failure here).
#include <gtest/gtest.h>

#include <QImage>

#include "DemoTimetable.h"
#include "NumericSettingKeys.h"
#include "OffscreenApp.h"
#include "board/BoardSession.h"
#include "controls/CCstClock.h"
#include "controls/CLstTimes.h"
#include "files/SJisLines.h"
#include "timetable/Clock.h"

namespace {

AppSettings SettingsWith(const std::string& line) {
    AppSettings settings;
    SJisLines lines(line);
    settings.Read(lines);
    return settings;
}

TEST(SettingsLimitsTest, ListAndClockDrawAtEveryNumericKeysLimits) {
    OffscreenApp();
    const Moment monday = Moment::FromFields(2026, 12, 7, 10, 0, 50);
    ManualClock clock(monday);
    for (const char* key : kNumericSettingKeys) {
        for (const char* limit : kIntLimits) {
            const std::string line = std::string(key) + "=" + limit;
            // A bar and a scrolling note are drawn unless the key itself says otherwise.
            const AppSettings limited = SettingsWith("Progress=2\nScrollMode=1\n" + line);
            DemoTimetable demo(limited);
            CLstTimes list(limited);
            list.resize(400, 10 * list.RowHeight());
            list.ResetRows(&demo.timetable);
            BoardSession session(demo.timetable);
            const BoardFrame shown = session.Tick(monday, 0);
            list.Apply(shown);
            // A day change that far away leaves no timetable day to show; any other key does.
            if (std::string(key) != "DayChgHour") {
                EXPECT_GE(shown.selectedRow, 0) << line;
            }
            for (unsigned frame : {0u, 7u, 4000000000u}) {
                list.SetFrame(frame);
                QImage image(list.size(), QImage::Format_RGB32);
                list.render(&image);
            }
            CCstClock clockControl(limited, clock);
            clockControl.SetCaptions(L"東京・品川方面", std::wstring(80, L'平'));
            clockControl.resize(320, clockControl.RequiredHeight());
            QImage clockImage(clockControl.size(), QImage::Format_RGB32);
            clockControl.render(&clockImage);
            EXPECT_GT(clockControl.RequiredHeight(), 0) << line;
        }
    }
}

}  // namespace
