// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/ArrivalRows.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/DataStore.h"
#include "catalogue/TransferHistory.h"
#include "catalogue/TransferPlan.h"
#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

#include "TestFiles.h"

namespace {

class TransferTest : public ::testing::Test {
protected:
    ArrivalStation& Station(std::wstring name, std::wstring target, std::vector<TravelTime> times,
                            int transferMinutes = 0) {
        timetable.arrivals.push_back(
            {std::move(name), std::move(target), transferMinutes, std::move(times)});
        return timetable.arrivals.back();
    }

    AppSettings settings;
    ColorTable colors;
    HolidayCalendar holidays;
    Timetable timetable{settings, colors, holidays};
};

Departure At(int minutes, std::wstring marks = L"") {
    return Departure{std::move(marks), static_cast<std::int16_t>(minutes)};
}

TEST_F(TransferTest, TravelTimeChoiceByRank) {
    struct Case {
        const char* name;
        std::vector<wchar_t> entries;
        const wchar_t* marks;
        int expected;
    };
    const std::vector<Case> cases = {
        {"lower case before capitals", {L'A', L'b'}, L"Ab", 1},
        {"first of equal ranks", {L'a', L'a'}, L"a", 0},
        {"no match, no default", {L'a', L'B'}, L"c", -1},
        {"dash is the default for unmatched trains", {L'a', L'-'}, L"c", 1},
        {"dash listed first is overridden by a later match", {L'-', L'a'}, L"a", 1},
        {"a match wins over a dash listed after it", {L'a', L'-', L'd'}, L"a", 0},
        {"and the dash serves the other trains", {L'a', L'-', L'd'}, L"b", 1},
        {"empty marks take the dash", {L'a', L'-'}, L"", 1},
        {"dash contained in the marks ranks last", {L'-', L'Z'}, L"Z-", 1},
        {"characters beyond the ranks never qualify", {L'Ａ'}, L"Ａ", -1},
    };
    for (const Case& c : cases) {
        ArrivalStation station;
        for (wchar_t mark : c.entries) {
            station.travelTimes.push_back({10, mark});
        }
        EXPECT_EQ(ChooseTravelTime(station, c.marks), c.expected) << c.name;
    }
}

TEST_F(TransferTest, ArrivalRows) {
    struct Case {
        const char* name;
        ArrivalStation station;
        Departure departure;
        bool configurationMode;
        std::wstring text;
        int arrivalMinutes;
        bool itemData;  // a travel time entry applied, so the row carries its station
    };
    const std::vector<Case> cases = {
        {"late arrival passes 24",
         {L"Kita", L"kita.tbl", 5, {{20, L'-'}}},
         At(23 * 60 + 50),
         false,
         L"        Kita＞24:10",
         24 * 60 + 10,
         true},
        {"travel time 0",
         {L"Kita", L"kita.tbl", 0, {{0, L'-'}}},
         At(600),
         false,
         L"        Kita＞--:--",
         0,
         true},
        {"no target shows the time but offers nothing",
         {L"Kita", L"", 0, {{7, L'-'}}},
         At(600),
         false,
         L"        Kita　10:07",
         0,
         true},
        {"route configuration in directory mode",
         {L"Kita", L"/k.cfg", 0, {{7, L'-'}}},
         At(600),
         false,
         L"        Kita　10:07",
         0,
         true},
        {"route configuration in configuration mode",
         {L"Kita", L"/k.CFG", 0, {{7, L'-'}}},
         At(600),
         true,
         L"        Kita≫10:07",
         607,
         true},
        {"no applicable travel time",
         {L"Kita", L"k.tbl", 0, {{7, L'a'}}},
         At(600, L"b"),
         false,
         L"        Kita＞--:--",
         0,
         false},
        {"long Japanese name cut at a character boundary",
         {L"みなと中央ターミナル", L"m.tbl", 0, {{7, L'-'}}},
         At(600),
         false,
         L"みなと中央タ＞10:07",
         607,
         true},
        {"odd cut keeps the column",
         {L"Aみなと中央タ", L"m.tbl", 0, {{7, L'-'}}},
         At(600),
         false,
         L"Aみなと中央 ＞10:07",
         607,
         true},
        {"half-width kana are one byte",
         {L"ｱｲｳｴｵｶｷｸｹｺｻｼｽ", L"m.tbl", 0, {{7, L'-'}}},
         At(600),
         false,
         L"ｱｲｳｴｵｶｷｸｹｺｻｼ＞10:07",
         607,
         true},
    };
    for (const Case& c : cases) {
        timetable.arrivals = {c.station};
        const ArrivalList list = BuildArrivalList(timetable, c.departure, c.configurationMode);
        ASSERT_EQ(list.rows.size(), 1u) << c.name;
        EXPECT_EQ(list.rows[0].text, c.text) << c.name;
        EXPECT_EQ(list.rows[0].arrivalMinutes, c.arrivalMinutes) << c.name;
        EXPECT_EQ(list.rows[0].hasTravelTime, c.itemData) << c.name;
        EXPECT_EQ(list.menu.size(), c.arrivalMinutes != 0 ? 1u : 0u) << c.name;
    }
}

TEST_F(TransferTest, MenuItemsForTheFirstSixtyFourRowsOnly) {
    for (int i = 0; i < 120; ++i) {
        Station(L"S" + std::to_wstring(i), i == 1 ? L"" : L"s.tbl", {{5, L'-'}});
    }
    const ArrivalList list = BuildArrivalList(timetable, At(480), false);
    ASSERT_EQ(list.rows.size(), 120u);
    ASSERT_EQ(list.menu.size(), 63u);
    EXPECT_EQ(list.menu[0], (TransferMenuItem{33100, L"08:05 S0"}));
    EXPECT_EQ(list.menu[1].id, 33102);
    EXPECT_EQ(list.menu.back().id, 33163);
    // Beyond the hundredth station the row still knows its station and time.
    EXPECT_EQ(list.rows[110].stationIndex, 110);
    EXPECT_EQ(list.rows[110].arrivalMinutes, 485);
}

TEST_F(TransferTest, PlanFollowsTheStation) {
    timetable.path = L"/data/lines/east.tbl";
    timetable.folder = L"/data/lines/";
    Station(L"Minato", L"minato.tbl", {{12, L'-'}}, 15);
    Station(L"Level", L"/sub.cfg", {{12, L'-'}}, 3);
    Station(L"Nowhere", L"", {{12, L'-'}});
    settings.cfgRead = 1;
    const ArrivalList list = BuildArrivalList(timetable, At(23 * 60 + 50), true);

    EXPECT_EQ(PlanTransfer(timetable, nullptr).warning, kSelectTransferStationWarning);
    EXPECT_EQ(PlanTransfer(timetable, &list.rows[2]).warning, kNoTransferDataWarning);

    const TransferPlan plain = PlanTransfer(timetable, &list.rows[0]);
    ASSERT_TRUE(plain.ok());
    EXPECT_EQ(plain.record, (TransferRecord{L"/data/lines/east.tbl", -1}));
    EXPECT_EQ(plain.targetMinute, 24 * 60 + 17);
    EXPECT_EQ(plain.entry,
              (CatalogueEntry{L"minato.tbl", L"＞ minato.tbl", L"/data/lines/", EntryKind::Plain}));

    // Only a timetable held at a fixed moment is remembered at its minute.
    timetable.viewMoment = Moment::FromFields(2026, 12, 8, 18, 40, 0);
    timetable.displayMode = DisplayMode::HourBlocks;
    EXPECT_EQ(PlanTransfer(timetable, &list.rows[0]).record.minutes, -1);
    timetable.displayMode = DisplayMode::ViewMoment;
    const TransferPlan node = PlanTransfer(timetable, &list.rows[1]);
    ASSERT_TRUE(node.ok());
    EXPECT_EQ(node.record.minutes, 18 * 60 + 40);
    EXPECT_EQ(node.entry,
              (CatalogueEntry{L"sub.cfg", L"＞ sub.cfg", L"/data/lines/", EntryKind::Node}));
}

TEST_F(TransferTest, StationTargetsResolveBesideTheTimetableOrAtTheRoot) {
    TempDir dir;
    settings.dataPath = dir.Root();
    const std::wstring folder = dir.File(L"lines/");
    DataStore store(settings);
    struct Case {
        const wchar_t* target;
        EntryKind kind;
        const wchar_t* entryTarget;
        std::wstring resolved;
    };
    const std::vector<Case> cases = {
        {L"kita.tbl", EntryKind::Plain, L"kita.tbl", folder + L"kita.tbl"},
        {L"\\kita.tbl", EntryKind::Plain, L"\\kita.tbl", dir.File(L"kita.tbl")},
        {L"/sub.cfg", EntryKind::Node, L"sub.cfg", folder + L"sub.cfg"},
        {L"/\\shiomi\\shiomi.cfg", EntryKind::Node, L"\\shiomi\\shiomi.cfg",
         dir.File(L"shiomi/shiomi.cfg")},
    };
    for (const Case& c : cases) {
        const CatalogueEntry entry = TransferEntry({L"S", c.target, 0, {}}, folder);
        EXPECT_EQ(entry.kind, c.kind) << c.target;
        EXPECT_EQ(entry.target, c.entryTarget) << c.target;
        EXPECT_EQ(entry.caption, L"＞ " + entry.target) << c.target;
        EXPECT_EQ(store.ResolvePath(entry.baseDir, entry.target), c.resolved) << c.target;
    }
}

TEST_F(TransferTest, MissingTargetIsReportedWithItsPath) {
    TempDir dir;
    settings.dataPath = dir.Root();
    WriteSJisFile(dir.File(L"lines/east.tbl"), L";East\n$Minato:>Minato.TBL 12\n[MON]\n5 10\n");
    ASSERT_TRUE(timetable.LoadTimetable(dir.File(L"lines/east.tbl")));
    const ArrivalList list = BuildArrivalList(timetable, At(310), false);
    const TransferPlan plan = PlanTransfer(timetable, &list.rows.at(0));
    ASSERT_TRUE(plan.ok());
    DataStore store(settings);
    const std::wstring path = store.ResolvePath(plan.entry.baseDir, plan.entry.target);
    EXPECT_EQ(path, dir.File(L"lines/Minato.TBL"));
    Timetable next(settings, colors, holidays);
    EXPECT_FALSE(next.LoadTimetable(path));
    EXPECT_EQ(TimetableLoadFailedMessage(path),
              L"TBLファイルの読み込みに失敗しました\n" + dir.File(L"lines/Minato.TBL"));
}

TEST(TransferHistoryTest, BackOnceAndBackToFirst) {
    TransferHistory history;
    EXPECT_EQ(history.Target(false), nullptr);
    for (int i = 1; i <= 3; ++i) {
        history.Append({L"t" + std::to_wstring(i), i});
    }
    ASSERT_NE(history.Target(false), nullptr);
    EXPECT_EQ(history.Target(false)->path, L"t3");
    history.Remove(false);
    EXPECT_EQ(history.records().size(), 2u);
    EXPECT_EQ(history.Target(true)->path, L"t1");
    history.Remove(true);
    EXPECT_TRUE(history.empty());
    EXPECT_EQ(history.Target(true), nullptr);
}

}  // namespace
