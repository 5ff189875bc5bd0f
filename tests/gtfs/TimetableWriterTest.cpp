// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "gtfs/TimetableText.h"
#include "gtfs/TimetableWriter.h"
#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

namespace {

// Feed text holds the characters that end the file's fields early; the reader must still get
// every name, travel time and departure back whole.
TEST(TimetableWriterTest, TheReaderGetsTheDraftBack) {
    TimetableDraft draft;
    draft.direction = L"東 ; 西方面";
    draft.title = L"中央 臨港線 東 ; 西方面";
    draft.marks = {{L'a', L"東;西行", L"東;西"}, {L'B', L"港南行", L"港南"}};
    draft.stations = {{L"中央:北口", {{L'a', 3}, {L'B', 4}, {L'-', 7}}}};
    draft.sections = {{0x81, L"日曜・祝日", {{5 * 60 + 2, L'a'}, {5 * 60 + 40, L'\0'}}},
                      {0x3E, L"平日", {{23 * 60 + 59, L'B'}, {25 * 60 + 10, L'a'}}}};
    TempDir dir;
    std::size_t substituted = 0;
    WriteBytes(dir.File(L"x.TBL"),
               timetable_text::ToShiftJis(TimetableFileText(draft), substituted));
    EXPECT_EQ(substituted, 0U);

    AppSettings settings;
    const ColorTable colors;
    const HolidayCalendar holidays;
    Timetable table(settings, colors, holidays);
    ASSERT_TRUE(table.LoadTimetable(dir.File(L"x.TBL")));
    EXPECT_EQ(table.title, draft.title);
    ASSERT_EQ(table.legend.size(), 2U);
    EXPECT_EQ(table.legend.at(L'a').name, L"東；西行");
    EXPECT_EQ(table.legend.at(L'a').shortName, L"東;西");
    EXPECT_EQ(table.legend.at(L'B').name, L"港南行");
    ASSERT_EQ(table.arrivals.size(), 1U);
    EXPECT_EQ(table.arrivals[0].name, L"中央：北口");
    ASSERT_EQ(table.arrivals[0].travelTimes.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(table.arrivals[0].travelTimes[i].mark, draft.stations[0].travelMinutes[i].first);
        EXPECT_EQ(table.arrivals[0].travelTimes[i].minutes,
                  draft.stations[0].travelMinutes[i].second);
    }
    ASSERT_EQ(table.sections.size(), draft.sections.size());
    for (std::size_t s = 0; s < draft.sections.size(); ++s) {
        const DaySection& read = table.sections[s];
        EXPECT_EQ(read.dayMask, draft.sections[s].dayMask);
        EXPECT_EQ(read.caption1, draft.sections[s].days);
        EXPECT_EQ(read.caption2, L"東;西方面");
        ASSERT_EQ(read.departures.size(), draft.sections[s].departures.size());
        for (std::size_t d = 0; d < read.departures.size(); ++d) {
            const DraftDeparture& written = draft.sections[s].departures[d];
            EXPECT_EQ(read.departures[d].time, written.minutes);
            EXPECT_EQ(read.departures[d].marks,
                      written.mark == L'\0' ? L"" : std::wstring(1, written.mark));
        }
    }
}

TEST(TimetableWriterTest, FileNamesAndShiftJis) {
    struct Case {
        std::wstring text;
        std::wstring stem;
    };
    const std::vector<Case> cases = {
        {L"さくら線_南台方面", L"さくら線_南台方面"},
        {L"A/B\\C: \"D\"?", L"A_B_C___D__"},
        {L"..hidden.", L"hidden"},
        {L" \t", L"timetable"},
        {std::wstring(100, L'線'), std::wstring(80, L'線')},
        // As a route configuration in Shift-JIS names it: base letters, "〜" read back as "～",
        // "¥" as "\\", 〓 for the rest; ";" would end the name there.
        {L"Kauno gatvė; Ærø Łódź Straße", L"Kauno_gatve__AEro_Lodz_Strasse"},
        {L"中央〜港南¥𠮷", L"中央～港南_〓"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(timetable_text::SafeFileStem(c.text), c.stem) << wtext::WideToUtf8(c.text);
    }

    // A "?" of the text stays; only what Shift-JIS lacks becomes 〓 and counts.
    std::size_t substituted = 0;
    EXPECT_EQ(timetable_text::ToShiftJis(L"a?𠮷野", substituted), "a?" + ToSJis(L"〓野"));
    EXPECT_EQ(substituted, 1U);
    EXPECT_EQ(timetable_text::CutToBytes(L"南台ニュータウン", 8), L"南台ニュ");
    EXPECT_EQ(timetable_text::CutToBytes(L"abc南", 4), L"abc");
}

}  // namespace
