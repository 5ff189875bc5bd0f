// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "settings/WalkTimes.h"

namespace {

const std::wstring kRoot = L"/data/Kovaris/";

struct LookupCase {
    const char* name;
    std::wstring timetable;
    int minutes;
};

TEST(WalkTimesTest, FindsTheTimetableAsWrittenPathsAreFound) {
    TempDir dir;
    const std::wstring file = dir.File(L"KovarisWalk.ini");
    WriteSJisFile(file,
                  L"Line\\North.TBL=12\n"
                  L"南線/上り.TBL = 7 \n"
                  L"Far.TBL=121\n"
                  L"Bad.TBL=5x\n"
                  L"Neg.TBL=-5\n"
                  L"Twice.TBL=3\n"
                  L"./Twice.TBL=4\n"
                  L"# a note\n");
    WalkTimes walks;
    ASSERT_TRUE(walks.Load(file));
    const std::vector<LookupCase> cases = {
        {"separators and case", L"/data/Kovaris/line/north.tbl", 12},
        {"root in other case", L"/DATA/kovaris/Line/North.TBL", 12},
        {"Japanese name, blanks", L"/data/Kovaris/南線/上り.TBL", 7},
        {"over 120 is none", L"/data/Kovaris/Far.TBL", 0},
        {"not a number", L"/data/Kovaris/Bad.TBL", 0},
        {"negative", L"/data/Kovaris/Neg.TBL", 0},
        {"last line wins", L"/data/Kovaris/Twice.TBL", 4},
        {"not listed", L"/data/Kovaris/Line/South.TBL", 0},
        {"outside the root", L"/elsewhere/Line/North.TBL", 0},
    };
    for (const LookupCase& c : cases) {
        EXPECT_EQ(walks.MinutesFor(kRoot, c.timetable), c.minutes) << c.name;
    }
}

TEST(WalkTimesTest, SaveKeepsOtherLinesAndReadsBack) {
    TempDir dir;
    const std::wstring file = dir.File(L"KovarisWalk.ini");
    WriteSJisFile(file, L"# 徒歩\nLine\\North.TBL=12\nBad.TBL=abc\nOld.TBL=9\nline/north.tbl=1\n");
    WalkTimes walks;
    ASSERT_TRUE(walks.Load(file));
    EXPECT_TRUE(walks.Set(kRoot, L"/data/Kovaris/LINE/north.tbl", 15));
    EXPECT_TRUE(walks.Set(kRoot, L"/data/Kovaris/Old.TBL", 0));
    EXPECT_TRUE(walks.Set(kRoot, L"/data/Kovaris/東/New.TBL", 120));
    EXPECT_FALSE(walks.Set(kRoot, L"/data/Kovaris/New.TBL", 121));
    ASSERT_TRUE(walks.Save(file));
    EXPECT_EQ(ReadBytes(file),
              ToSJis(L"# 徒歩\r\nLine\\North.TBL=15\r\nBad.TBL=abc\r\n東/New.TBL=120\r\n"));

    WalkTimes again;
    ASSERT_TRUE(again.Load(file));
    EXPECT_EQ(again.MinutesFor(kRoot, L"/data/Kovaris/Line/North.TBL"), 15);
    EXPECT_EQ(again.MinutesFor(kRoot, L"/data/Kovaris/東/New.TBL"), 120);
    EXPECT_EQ(again.MinutesFor(kRoot, L"/data/Kovaris/Old.TBL"), 0);
}

TEST(WalkTimesTest, AFileLeftUnreadIsNeverWrittenOver) {
    TempDir dir;
    const std::wstring folder = dir.File(L"KovarisWalk.ini");
    std::filesystem::create_directories(wtext::WideToUtf8(folder));
    WalkTimes walks;
    EXPECT_FALSE(walks.Load(folder));
    EXPECT_FALSE(walks.Save(folder));

    WalkTimes none;
    EXPECT_TRUE(none.Load(dir.File(L"missing.ini")));
    EXPECT_EQ(WalkTimes::FileBeside(dir.File(L"Kovaris.ini")), dir.File(L"KovarisWalk.ini"));
}

}  // namespace
