// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/DataStore.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/CommandIds.h"
#include "catalogue/LevelView.h"
#include "files/PathLookup.h"
#include "settings/AppSettings.h"
#include "text/SJisCodec.h"
#include "timetable/Timetable.h"

namespace {

class DataStoreTest : public ::testing::Test {
protected:
    DataStoreTest() {
        settings.filePath = dir.File(L"Kovaris.ini");
        settings.dataPath = dir.Root();
        settings.dayChgHour = 3;
    }

    void Touch(const std::wstring& name) { WriteBytes(dir.File(name), ""); }
    void Config(const std::wstring& name, const std::wstring& text) {
        WriteSJisFile(dir.File(name), text);
    }
    std::vector<std::wstring> Targets(const DataStore& store) const {
        std::vector<std::wstring> targets;
        for (const auto& e : store.entries()) {
            targets.push_back(e.target);
        }
        return targets;
    }

    TempDir dir;
    AppSettings settings;
};

Moment At(int hour, int minute) {
    return Moment::FromFields(2026, 12, 8, hour, minute, 0);
}

TEST_F(DataStoreTest, ResolvePathRules) {
    Touch(L"Lines/East/Up.TBL");
    DataStore store(settings);
    const std::wstring root = dir.Root();
    struct Case {
        const wchar_t* base;
        const wchar_t* target;
        std::wstring expected;
    };
    const std::vector<Case> cases = {
        {L"", L"a.tbl", root + L"a.tbl"},
        {L"/elsewhere/", L"a.tbl", L"/elsewhere/a.tbl"},
        {L"/elsewhere/", L"\\a.tbl", root + L"a.tbl"},
        {L"/elsewhere/", L"/a.tbl", root + L"a.tbl"},
        {L"", L"Lines\\East\\Up.TBL", root + L"Lines/East/Up.TBL"},
        {L"", L"lines\\EAST\\up.tbl", root + L"Lines/East/Up.TBL"},
        {L"", L"LINES/east/", root + L"Lines/East/"},
        {L"", L"lines/west/up.tbl", root + L"lines/west/up.tbl"},  // missing: as written
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store.ResolvePath(c.base, c.target), c.expected) << c.base << " " << c.target;
    }
}

TEST_F(DataStoreTest, ScanOffersSubdirectoriesAndTimetablesSortedWithoutCase) {
    for (const wchar_t* name :
         {L"b.TBL", L"A.tbl", L"c.Tbl", L"x.tbl.bak", L"readme.txt", L".hidden.TBL", L"tbl",
          L"sub2/x.TBL", L"Sub1/y.TBL", L".git/z.TBL", L"z.Brd", L"z.brd.bak"}) {
        Touch(name);
    }
    DataStore store(settings);
    ASSERT_EQ(store.ScanDirectory(dir.Root()), 6);
    EXPECT_EQ(Targets(store), (std::vector<std::wstring>{L"A.tbl", L"b.TBL", L"c.Tbl", L"Sub1",
                                                         L"sub2", L"z.Brd"}));
    EXPECT_EQ(store.entries()[3].kind, EntryKind::Node);
    EXPECT_EQ(store.entries()[3].caption, L"＞ Sub1");
    EXPECT_EQ(store.entries()[0].kind, EntryKind::Plain);
    EXPECT_EQ(store.entries()[0].caption, L"A.tbl");

    // A directory with nothing to offer leaves the list shown.
    Touch(L"empty/readme.txt");
    EXPECT_EQ(store.ScanDirectory(dir.File(L"empty/")), 0);
    EXPECT_EQ(store.ScanDirectory(dir.File(L"missing/")), 0);
    EXPECT_EQ(store.entries().size(), 6u);
}

TEST_F(DataStoreTest, ScanOfTenThousandFiles) {
    for (int i = 0; i < 10000; ++i) {
        Touch(L"big/" + std::to_wstring(i) + (i % 2 ? L".TBL" : L".dat"));
    }
    DataStore store(settings);
    EXPECT_EQ(store.ScanDirectory(dir.File(L"big/")), 5000);
}

TEST_F(DataStoreTest, DefaultEntryByHalfDay) {
    struct Case {
        const char* name;
        std::vector<EntryKind> kinds;
        int hour;
        int minute;
        int expected;
    };
    using K = EntryKind;
    const std::vector<K> all = {K::Node,    K::Plain,     K::Preferred,
                                K::Morning, K::Afternoon, K::Preferred};
    const std::vector<Case> cases = {
        {"11:59 is morning", all, 11, 59, 3},
        {"12:00 is afternoon", all, 12, 0, 4},
        {"02:30 before the day change is afternoon", all, 2, 30, 4},
        {"03:00 is morning", all, 3, 0, 3},
        {"last preferred without half-day entries",
         {K::Plain, K::Preferred, K::Preferred},
         9,
         0,
         2},
        {"afternoon entry does not serve the morning",
         {K::Plain, K::Afternoon, K::Preferred},
         9,
         0,
         2},
        {"preferred after the taken half-day is ignored", {K::Morning, K::Preferred}, 9, 0, 0},
        {"first plain", {K::Node, K::Plain, K::Plain}, 9, 0, 1},
        {"first morning wins", {K::Morning, K::Morning}, 9, 0, 0},
        {"first afternoon wins", {K::Afternoon, K::Afternoon}, 13, 0, 0},
        {"a later plain does not replace a preferred", {K::Preferred, K::Plain}, 9, 0, 0},
        {"nodes only", {K::Node, K::Node}, 9, 0, -1},
    };
    for (const Case& c : cases) {
        std::wstring text;
        for (K kind : c.kinds) {
            const wchar_t* prefix = kind == K::Node        ? L"/"
                                    : kind == K::Morning   ? L"A>"
                                    : kind == K::Afternoon ? L"P>"
                                    : kind == K::Preferred ? L">"
                                                           : L"";
            text += std::wstring(prefix) + L"x.tbl\n";
        }
        settings.cfgRead = 1;
        Config(L"vekt.cfg", text);
        DataStore store(settings);
        ASSERT_TRUE(store.EnterLevel(std::nullopt, false, At(c.hour, c.minute)).ok()) << c.name;
        EXPECT_EQ(store.PickDefaultEntry(At(c.hour, c.minute)), c.expected) << c.name;
    }
    settings.dayChgHour = 12;
    Config(L"vekt.cfg", L"A>m.tbl\nP>a.tbl\n");
    DataStore store(settings);
    ASSERT_TRUE(store.EnterLevel(std::nullopt, false, At(11, 0)).ok());
    EXPECT_EQ(store.PickDefaultEntry(At(11, 0)), 1) << "a day change at noon leaves no morning";
    // Any value a settings file holds counts as written: the largest leaves no morning either,
    // the smallest makes every hour up to noon morning.
    settings.dayChgHour = 2147483647;
    EXPECT_EQ(store.PickDefaultEntry(At(9, 0)), 1);
    settings.dayChgHour = -2147483647 - 1;
    EXPECT_EQ(store.PickDefaultEntry(At(0, 30)), 0);
    EXPECT_EQ(store.PickDefaultEntry(At(13, 0)), 1);
}

TEST_F(DataStoreTest, DownTwoLevelsAndUpTwice) {
    settings.cfgRead = 1;
    Config(L"vekt.cfg", L"/lines/lines.cfg:Lines\nroot.tbl\n");
    Config(L"lines/lines.cfg", L"/east/east.cfg:East\nl.tbl\n");
    Config(L"lines/east/east.cfg", L"e.tbl\n\\root.tbl\n");
    DataStore store(settings);
    const Moment now = At(9, 0);
    ASSERT_TRUE(store.EnterLevel(std::nullopt, false, now).ok());
    EXPECT_EQ(store.currentDir(), dir.Root());
    EXPECT_EQ(BuildLevelView(store, -1).combo.size(), 2u);

    ASSERT_TRUE(store.EnterLevel(store.EntryForChoice(0), false, now).ok());
    EXPECT_EQ(store.currentDir(), dir.File(L"lines/"));
    ASSERT_TRUE(store.EnterLevel(store.EntryForChoice(0), false, now).ok());
    EXPECT_EQ(store.currentDir(), dir.File(L"lines/east/"));
    ASSERT_EQ(store.navStack().size(), 3u);
    // A leading backslash in a sub-level still means the data root.
    EXPECT_EQ(store.ResolvePath(store.entries()[1].baseDir, store.entries()[1].target),
              dir.File(L"root.tbl"));
    const LevelView deep = BuildLevelView(store, 0);
    EXPECT_EQ(deep.combo.front(), (LevelComboItem{L"＞ Lines", -1}));
    EXPECT_EQ(deep.menu.front(), (LevelMenuItem{kTableMenuParentId, L"＞ Lines"}));
    EXPECT_EQ(deep.defaultComboIndex, 1);

    ASSERT_TRUE(store.EnterLevel(store.EntryForChoice(-1), true, now).ok());
    EXPECT_EQ(store.currentDir(), dir.File(L"lines/"));
    EXPECT_EQ(BuildLevelView(store, -1).combo.front().caption, L"＞ ルート(vekt.cfg)");
    ASSERT_TRUE(store.EnterLevel(store.EntryForChoice(-1), true, now).ok());
    EXPECT_EQ(store.navStack().size(), 1u);
    EXPECT_EQ(store.currentDir(), dir.Root());
    EXPECT_FALSE(store.EntryForChoice(-1).has_value());
    const LevelView root = BuildLevelView(store, 1);
    EXPECT_EQ(root.combo.front(), (LevelComboItem{L"＞ Lines", 0}));
    EXPECT_EQ(root.defaultComboIndex, 1);
}

TEST_F(DataStoreTest, DirectoryModeNavigation) {
    Touch(L"b.TBL");
    Touch(L"sub/deeper/d.tbl");
    DataStore store(settings);
    const LevelLoad root = store.EnterLevel(std::nullopt, false, At(9, 0));
    ASSERT_EQ(root.count, 2);
    EXPECT_EQ(root.defaultIndex, 0);
    EXPECT_EQ(store.navStack().front().caption, L"＞ ルート");
    // A level of subdirectories only has no default.
    const LevelLoad sub = store.EnterLevel(store.EntryForChoice(1), false, At(9, 0));
    ASSERT_EQ(sub.count, 1);
    EXPECT_EQ(sub.defaultIndex, -1);
    ASSERT_TRUE(store.EnterLevel(store.EntryForChoice(-1), true, At(9, 0)).ok());
    EXPECT_EQ(Targets(store), (std::vector<std::wstring>{L"b.TBL", L"sub"}));
}

TEST_F(DataStoreTest, ConfigurationNamingItselfGoesOneLevelPerStep) {
    settings.cfgRead = 1;
    Config(L"vekt.cfg", L"/vekt.cfg:Again\nx.tbl\n");
    DataStore store(settings);
    ASSERT_TRUE(store.EnterLevel(std::nullopt, false, At(9, 0)).ok());
    for (std::size_t depth = 2; depth <= 5; ++depth) {
        ASSERT_TRUE(store.EnterLevel(store.EntryForChoice(0), false, At(9, 0)).ok());
        EXPECT_EQ(store.navStack().size(), depth);
    }
}

TEST_F(DataStoreTest, FailedLoadKeepsTheLevelShown) {
    settings.cfgRead = 1;
    Config(L"vekt.cfg", L"/empty.cfg:Empty\n/missing.cfg:Missing\nx.tbl\n");
    Config(L"empty.cfg", L"; only a comment\n[HOL]\n1/1:元日\n");
    DataStore store(settings);
    ASSERT_TRUE(store.EnterLevel(std::nullopt, false, At(9, 0)).ok());
    for (int choice : {0, 1}) {
        const LevelLoad load = store.EnterLevel(store.EntryForChoice(choice), false, At(9, 0));
        EXPECT_FALSE(load.ok()) << choice;
        EXPECT_EQ(store.entries().size(), 3u) << choice;
        EXPECT_EQ(store.navStack().size(), 1u) << choice;
        EXPECT_EQ(store.currentDir(), dir.Root()) << choice;
    }
    EXPECT_EQ(LevelLoadFailedMessage(true, dir.File(L"missing.cfg")),
              L"環境ファイルの読み込みに失敗しました\n" + dir.File(L"missing.cfg"));
}

TEST_F(DataStoreTest, MissingRootGivesTheModesMessage) {
    settings.cfgRead = 1;
    DataStore store(settings);
    const LevelLoad config = store.EnterLevel(std::nullopt, false, At(9, 0));
    EXPECT_FALSE(config.ok());
    EXPECT_EQ(config.path, dir.File(L"vekt.cfg"));
    settings.cfgRead = 0;
    const LevelLoad scan = store.EnterLevel(std::nullopt, false, At(9, 0));
    EXPECT_FALSE(scan.ok());
    EXPECT_EQ(LevelLoadFailedMessage(false, scan.path),
              L"ディレクトリ下にTBLファイルがありません\n" + dir.Root());
}

// A FIFO would block the program and /dev/zero exhaust its memory: both are a failed read at
// once, for a level and for a timetable, as is a file far beyond any timetable's size.
TEST_F(DataStoreTest, OnlyBoundedRegularFilesAreRead) {
    namespace fs = std::filesystem;
    settings.cfgRead = 1;
    const fs::path config = dir.path() / "vekt.cfg";
    const std::vector<std::pair<const char*, std::function<void()>>> kinds = {
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(config.c_str(), 0600), 0); }},
        {"link to /dev/zero", [&] { fs::create_symlink("/dev/zero", config); }},
        {"sparse file of 17 MiB",
         [&] {
             WriteBytes(dir.File(L"vekt.cfg"), "x.tbl\n");
             fs::resize_file(config, 17u << 20);
         }},
        {"folder", [&] { fs::create_directory(config); }},
    };
    for (const auto& [name, make] : kinds) {
        fs::remove(config);
        make();
        DataStore store(settings);
        const LevelLoad level = store.EnterLevel(std::nullopt, false, At(9, 0));
        EXPECT_FALSE(level.ok()) << name;
        EXPECT_EQ(LevelLoadFailedMessage(true, level.path),
                  L"環境ファイルの読み込みに失敗しました\n" + dir.File(L"vekt.cfg"))
            << name;
        Timetable table(settings, store.colors, store.holidays);
        EXPECT_FALSE(table.LoadTimetable(dir.File(L"vekt.cfg"))) << name;
    }
}

// Names unpacked from a Windows archive are Shift-JIS bytes: listed decoded, opened as they are.
TEST_F(DataStoreTest, ShiftJisFileNamesAreListedAndOpened) {
    namespace fs = std::filesystem;
    const fs::path line = dir.path() / ToSJis(L"東西線");
    fs::create_directory(line);
    std::ofstream(line / ToSJis(L"中野駅.TBL")) << ";x\n[MON]\n7 15\n";
    std::ofstream(line / ToSJis(L"大手町.TBL")) << ";x\n[MON]\n8 20\n";
    DataStore store(settings);
    ASSERT_TRUE(store.EnterLevel(std::nullopt, false, At(9, 0)).ok());
    ASSERT_EQ(Targets(store), std::vector<std::wstring>{L"東西線"});
    const LevelLoad level = store.EnterLevel(store.entries()[0], false, At(9, 0));
    ASSERT_TRUE(level.ok());
    EXPECT_EQ(Targets(store), (std::vector<std::wstring>{L"中野駅.TBL", L"大手町.TBL"}));
    const CatalogueEntry& entry = store.entries()[1];
    Timetable table(settings, store.colors, store.holidays);
    ASSERT_TRUE(table.LoadTimetable(store.ResolvePath(entry.baseDir, entry.target)));
    EXPECT_EQ(table.sections.at(0).departures.at(0).time, 8 * 60 + 20);
}

TEST_F(DataStoreTest, SeventyEntriesGiveSixtyThreeMenuItems) {
    settings.cfgRead = 1;
    std::wstring text;
    for (int i = 0; i < 70; ++i) {
        text += L"t" + std::to_wstring(i) + L".tbl\n";
    }
    Config(L"vekt.cfg", text);
    DataStore store(settings);
    ASSERT_EQ(store.EnterLevel(std::nullopt, false, At(9, 0)).count, 70);
    const LevelView view = BuildLevelView(store, 69);
    EXPECT_EQ(view.combo.size(), 70u);
    EXPECT_EQ(view.combo.back().data, 69);
    ASSERT_EQ(view.menu.size(), 63u);
    EXPECT_EQ(view.menu.front().id, 33001);
    EXPECT_EQ(view.LastMenuId(), 33063);
    EXPECT_EQ(view.defaultComboIndex, 69);
    EXPECT_FALSE(store.EntryForChoice(70).has_value());
    EXPECT_FALSE(store.EntryForChoice(-2).has_value());
}

TEST_F(DataStoreTest, LastTimetableOnlyOnTheFirstLevelLoad) {
    LevelView view;
    view.defaultComboIndex = 2;
    struct Case {
        int dspLstTbl;
        const wchar_t* last;
        bool first;
        const wchar_t* expectedPath;
        int expectedCombo;
    };
    const std::vector<Case> cases = {
        {1, L"/d/last.tbl", true, L"/d/last.tbl", -1},
        {1, L"/d/last.tbl", false, L"", 2},
        {0, L"/d/last.tbl", true, L"", 2},
        {1, L"", true, L"", 2},
        {1, L"\\d\\last.tbl", true, L"/d/last.tbl", -1},
    };
    for (const Case& c : cases) {
        settings.dspLstTbl = c.dspLstTbl;
        settings.lastTimetable = c.last;
        const LevelOpening opening = ChooseLevelOpening(settings, c.first, view);
        EXPECT_EQ(opening.lastTimetable, c.expectedPath);
        EXPECT_EQ(opening.comboIndex, c.expectedCombo);
    }
    // Found whatever the case of its names, as the history comes from a Windows program.
    Touch(L"Line/Last.TBL");
    settings.lastTimetable = dir.Root() + L"LINE\\last.tbl";
    EXPECT_EQ(ChooseLevelOpening(settings, true, view).lastTimetable, dir.File(L"Line/Last.TBL"));
}

}  // namespace
