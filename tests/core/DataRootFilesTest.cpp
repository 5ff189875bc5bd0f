// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "catalogue/DataStore.h"
#include "settings/AppSettings.h"

namespace {

// Data roots are prepared on a file system that ignores case, so "HOLIDAY.DAT" or "Color.ini"
// must be found as well as the names the program asks for.
TEST(DataRootFilesTest, CompanionFilesAreFoundWhateverTheCaseOfTheirNames) {
    struct Case {
        const char* name;
        std::wstring holidays;
        std::wstring colors;
        std::wstring history;
        std::wstring display;
    };
    const Case cases[] = {
        {"names as the program writes them", L"Holiday.dat", L"color.ini", L"KovarisHstWin.ini",
         L"KovarisTd.ini"},
        {"names in other cases", L"HOLIDAY.DAT", L"Color.INI", L"kovarishstwin.ini",
         L"KOVARISTD.INI"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteSJisFile(dir.File(c.holidays), L"[HOL]\n1/1:元日\n");
        WriteSJisFile(dir.File(c.colors), L"快速=255,0,0\n");
        WriteSJisFile(dir.File(c.history), L"/last.TBL\n/a.TBL,A\n");
        WriteSJisFile(dir.File(c.display), L"Lines=9\n");

        AppSettings settings;
        settings.dataPath = dir.Root();
        DataStore store(settings);
        store.LoadTables();
        EXPECT_NE(store.holidays.FindHoliday(1, 1), nullptr) << c.name;
        EXPECT_EQ(store.colors.Find(L"快速").value_or(0), 255u) << c.name;
        EXPECT_TRUE(settings.LoadHistory()) << c.name;
        EXPECT_EQ(settings.lastTimetable, L"/last.TBL") << c.name;
        settings.LoadTdSettings();
        EXPECT_EQ(settings.lines, 9) << c.name;
    }
}

}  // namespace
