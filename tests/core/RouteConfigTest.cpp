// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/RouteConfig.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "timetable/HolidayCalendar.h"

namespace {

struct LineCase {
    const wchar_t* line;
    EntryKind kind;
    const wchar_t* target;
    const wchar_t* caption;
};

TEST(RouteConfigTest, PrefixesAndSeparators) {
    const std::vector<LineCase> cases = {
        {L"east.tbl", EntryKind::Plain, L"east.tbl", L"east.tbl"},
        {L"east.tbl:East line", EntryKind::Plain, L"east.tbl", L"East line"},
        {L"east.tbl;East", EntryKind::Plain, L"east.tbl", L"East"},
        {L"east.tbl\tEast", EntryKind::Plain, L"east.tbl", L"East"},
        {L"east.tbl East bound  line", EntryKind::Plain, L"east.tbl", L"East bound  line"},
        {L"A>east.tbl  :  Morning east", EntryKind::Morning, L"east.tbl", L"Morning east"},
        {L"a> east.tbl", EntryKind::Morning, L"east.tbl", L"east.tbl"},
        {L"P>west.tbl:W", EntryKind::Afternoon, L"west.tbl", L"W"},
        {L"p>west.tbl:W", EntryKind::Afternoon, L"west.tbl", L"W"},
        {L">any.tbl:Any", EntryKind::Preferred, L"any.tbl", L"Any"},
        {L"/sub.cfg\tSub level", EntryKind::Node, L"sub.cfg", L"＞ Sub level"},
        {L"/sub.cfg", EntryKind::Node, L"sub.cfg", L"sub.cfg"},
        {L"/A>x.cfg:X", EntryKind::Node, L"A>x.cfg", L"＞ X"},
        {L">A>x.tbl", EntryKind::Preferred, L"A>x.tbl", L"A>x.tbl"},
        {L"/", EntryKind::Node, L"", L""},
        {L"a>", EntryKind::Morning, L"", L""},
        {L"/sub.cfg:", EntryKind::Node, L"sub.cfg", L"＞ "},
        {L"x.tbl::Two colons", EntryKind::Plain, L"x.tbl", L"Two colons"},
        {L"x.tbl:::Three", EntryKind::Plain, L"x.tbl", L":Three"},
        {L"x.tbl : ; Semi", EntryKind::Plain, L"x.tbl", L"; Semi"},
        {L"x.tbl　全角:キャプション", EntryKind::Plain, L"x.tbl　全角", L"キャプション"},
        {L"\\root.tbl:Root", EntryKind::Plain, L"\\root.tbl", L"Root"},
    };
    for (const LineCase& c : cases) {
        const CatalogueEntry e = ParseRouteConfigLine(c.line);
        EXPECT_EQ(e.kind, c.kind) << c.line;
        EXPECT_EQ(e.target, c.target) << c.line;
        EXPECT_EQ(e.caption, c.caption) << c.line;
        EXPECT_TRUE(e.baseDir.empty()) << c.line;
    }
}

TEST(RouteConfigTest, FileSkipsBlanksAndCommentsAndHandsHolidaysOn) {
    TempDir dir;
    const std::wstring path = dir.File(L"vekt.cfg");
    WriteSJisFile(path,
                  L"; header comment\n"
                  L"\n"
                  L"   ; indented comment\n"
                  L"b.tbl:B\n"
                  L"a.tbl:A\n"
                  L"b.tbl:B\n"
                  L"  [Hol]  \n"
                  L"5/3:憲法記念日\n"
                  L"c.tbl:C\n");
    std::vector<CatalogueEntry> entries{{L"old", L"old", L"", EntryKind::Plain}};
    HolidayCalendar holidays;
    ASSERT_EQ(ParseRouteConfig(path, entries, holidays), 3);
    // File order, duplicates kept.
    EXPECT_EQ(entries[0].target, L"b.tbl");
    EXPECT_EQ(entries[1].target, L"a.tbl");
    EXPECT_EQ(entries[2].target, L"b.tbl");
    // Lines after the header belong to the holiday section, not to the catalogue.
    EXPECT_NE(holidays.FindHoliday(5, 3), nullptr);
}

TEST(RouteConfigTest, ResultsForMissingEmptyAndHolidayOnlyFiles) {
    TempDir dir;
    HolidayCalendar holidays;
    std::vector<CatalogueEntry> entries{{L"kept", L"kept", L"", EntryKind::Plain}};
    EXPECT_EQ(ParseRouteConfig(dir.File(L"missing.cfg"), entries, holidays), -1);
    EXPECT_EQ(entries.size(), 1u) << "a file that does not open leaves the list alone";

    WriteSJisFile(dir.File(L"empty.cfg"), L"; nothing\n\n");
    EXPECT_EQ(ParseRouteConfig(dir.File(L"empty.cfg"), entries, holidays), 0);
    WriteSJisFile(dir.File(L"hol.cfg"), L"[HOL]\n1/1:元日\n");
    EXPECT_EQ(ParseRouteConfig(dir.File(L"hol.cfg"), entries, holidays), 0);
}

TEST(RouteConfigTest, VeryLongLineIsOneEntry) {
    TempDir dir;
    const std::wstring path = dir.File(L"long.cfg");
    const std::wstring target(100000, L'x');
    WriteSJisFile(path, L"first.tbl\n" + target + L":cap\nlast.tbl\n");
    std::vector<CatalogueEntry> entries;
    HolidayCalendar holidays;
    ASSERT_EQ(ParseRouteConfig(path, entries, holidays), 3);
    EXPECT_EQ(entries[1].target, target);
    EXPECT_EQ(entries[1].caption, L"cap");
    EXPECT_EQ(entries[2].target, L"last.tbl");
}

}  // namespace
