// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "settings/AppSettings.h"

// Readable failures: the entries as UTF-8.
void PrintTo(const HistoryEntry& e, std::ostream* os) {
    *os << wtext::WideToUtf8(e.path) << " | " << wtext::WideToUtf8(e.name);
}

namespace {

AppSettings SettingsOn(const TempDir& dir) {
    AppSettings settings;
    settings.filePath = dir.File(L"Kovaris.ini");
    settings.dataPath = dir.Root();
    return settings;
}

struct HistoryCase {
    const char* name;
    std::wstring file;
    std::wstring lastTimetable;
    std::vector<HistoryEntry> history;
};

// The display settings' numbers and colours in key-table order, to compare in one go.
std::vector<int> TdNumbers(const AppSettings& s) {
    return {s.hstNum,    s.lines,    s.interval, s.fontStationSize, s.fontTimesSize, s.shadow,
            s.clockFlag, s.prevNext, s.lineType, s.alphaFrame,      s.alphaFrame2,   s.clearType};
}

std::vector<ColorRef> TdColors(const AppSettings& s) {
    return {s.fontColorClock, s.frameColorClock, s.frameColorStation, s.frameColorTimes1,
            s.frameColorTimes2};
}

TEST(CompanionFilesTest, LoadHistoryBuildsEntries) {
    const std::vector<HistoryCase> cases = {
        {"one line only", L"\\線\\上り.TBL\n", L"\\線\\上り.TBL", {}},
        {"empty file", L"", L"", {}},
        {"path and name cut to 16",
         L"last\n\\a\\b.TBL,０１２３４５６７８９ABCDEFGH\n",
         L"last",
         {{L"\\a\\b.TBL", L"０１２３４５６７８９ABCDEF"}}},
        {"path cut at the first comma",
         L"last\nD:\\x,y\\z.TBL,名前\n",
         L"last",
         {{L"D:\\x", L"y\\z.TBL,名前"}}},
        {"name from the file name after the last backslash",
         L"last\nD:\\data\\とても長い時刻表ファイルの名前です.TBL\n",
         L"last",
         {{L"D:\\data\\とても長い時刻表ファイルの名前です.TBL",
           L"とても長い時刻表ファイルの名前で"}}},
        {"slash is a separator too",
         L"last\n/srv/data/東西線.TBL\n",
         L"last",
         {{L"/srv/data/東西線.TBL", L"東西線.TBL"}}},
        {"no separator: the whole line",
         L"last\nABCDEFGHIJKLMNOPQRSTU\n",
         L"last",
         {{L"ABCDEFGHIJKLMNOPQRSTU", L"ABCDEFGHIJKLMNOP"}}},
        {"an empty further line is an empty entry",
         L"last\na.TBL\n\nb.TBL\n",
         L"last",
         {{L"a.TBL", L"a.TBL"}, {L"", L""}, {L"b.TBL", L"b.TBL"}}},
        {"entries in file order, empty name after comma",
         L"last\na.TBL,\nb.TBL,B\n",
         L"last",
         {{L"a.TBL", L""}, {L"b.TBL", L"B"}}},
    };
    for (const HistoryCase& c : cases) {
        TempDir dir;
        WriteSJisFile(dir.File(L"KovarisHstWin.ini"), c.file);
        AppSettings settings = SettingsOn(dir);
        EXPECT_TRUE(settings.LoadHistory()) << c.name;
        EXPECT_EQ(settings.lastTimetable, c.lastTimetable) << c.name;
        EXPECT_EQ(settings.history, c.history) << c.name;
    }
}

TEST(CompanionFilesTest, MissingHistoryEmptiesTheOldOne) {
    TempDir dir;
    AppSettings settings = SettingsOn(dir);
    settings.lastTimetable = L"old.TBL";
    settings.history.push_back({L"old.TBL", L"old"});
    EXPECT_FALSE(settings.LoadHistory());
    EXPECT_TRUE(settings.lastTimetable.empty());
    EXPECT_TRUE(settings.history.empty());
}

TEST(CompanionFilesTest, LoadTdSettingsReadsEveryKey) {
    TempDir dir;
    WriteSJisFile(dir.File(L"KovarisTd.ini"),
                  L"HstNum=1\nLines=2\nInterval=3\nFontStation=駅\nFontStationSize=4\n"
                  L"FontTimes=時刻\nFontTimesSize=5\nSHADOW=6\nCLOCK=2\nPREV_NEXT=7\n"
                  L"FontColorClock=8\nFrameColorClock=9\nFrameColorStation=10\n"
                  L"FrameColorTimes1=11\nFrameColorTimes2=12\nLineType=13\nAlphaFrame=14\n"
                  L"AlphaFrame2=15\nClearType=-3\nDataPath=/elsewhere/\nclock=0\n");
    AppSettings settings = SettingsOn(dir);
    EXPECT_TRUE(settings.LoadTdSettings());
    EXPECT_EQ(TdNumbers(settings), std::vector<int>({1, 2, 3, 4, 5, 6, 1, 7, 13, 14, 15, 1}));
    EXPECT_EQ(TdColors(settings), std::vector<ColorRef>({8, 9, 10, 11, 12}));
    EXPECT_EQ(settings.fontStation, L"駅");
    EXPECT_EQ(settings.fontTimes, L"時刻");
    // Only its own keys: the settings file's keys are not taken from it.
    EXPECT_EQ(settings.dataPath, dir.Root());
}

TEST(CompanionFilesTest, MissingTdSettingsKeepDefaults) {
    TempDir dir;
    AppSettings settings = SettingsOn(dir);
    EXPECT_TRUE(settings.LoadTdSettings());
    EXPECT_EQ(TdNumbers(settings), std::vector<int>({4, 5, 30, 110, 110, 0, 0, 0, 0, 70, 30, 0}));
    EXPECT_EQ(TdColors(settings),
              std::vector<ColorRef>({16777215, 65793, 12591136, 1052688, 6316128}));
    EXPECT_EQ(settings.fontStation, L"ＭＳ Ｐゴシック");
    EXPECT_EQ(settings.fontTimes, L"ＭＳ ゴシック");
}

}  // namespace
