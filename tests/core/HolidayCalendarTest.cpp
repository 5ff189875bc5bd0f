// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/HolidayCalendar.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "files/CSJisFile.h"

namespace {

using Entries = std::map<int, std::wstring>;

struct HolidayCase {
    const char* name;
    std::wstring file;
    Entries expected;
};

Entries LoadFrom(const std::wstring& text) {
    TempDir dir;
    WriteSJisFile(dir.File(L"Holiday.dat"), text);
    HolidayCalendar calendar;
    LoadHolidays(dir.Root(), calendar);
    return calendar.Entries();
}

TEST(HolidayCalendarTest, LoadHolidaysReadsTheSection) {
    const std::vector<HolidayCase> cases = {
        {"header with blanks", L" \t[HOL]　\n1/1:元日\n", {{101, L"元日"}}},
        {"lower-case header is no header", L"[hol]\n1/1:元日\n", {}},
        {"lines before the header ignored",
         L"1/1:元日\n[HOL]\n12/31:大晦日\n",
         {{1231, L"大晦日"}}},
        {"no header at all", L"1/1:元日\n", {}},
        {"later line wins", L"[HOL]\n5/3:憲法\n5/3:憲法記念日\n", {{503, L"憲法記念日"}}},
        {"name ends at a blank", L"[HOL]\n11/3:文化の日 (祝)\n", {{1103, L"文化の日"}}},
        {"name ends at an ideographic blank", L"[HOL]\n11/3:文化　の日\n", {{1103, L"文化"}}},
        {"blanks before numbers and name", L"[HOL]\n 1/ 2: 休み\n", {{102, L"休み"}}},
        {"comments and empty lines", L"[HOL]\n;1/1:x\n\n2/11:建国\n", {{211, L"建国"}}},
        {"blank then ; is scanned", L"[HOL]\n ;1/1:x\n 3/21:春分\n", {{321, L"春分"}}},
        {"second header is just a line",
         L"[HOL]\n1/1:a\n[HOL]\n1/2:b\n",
         {{101, L"a"}, {102, L"b"}}},
        {"month and day only: unnamed holiday",
         L"[HOL]\n1/1:元日\n1/2\n1/3:\n",
         {{101, L"元日"}, {102, L""}, {103, L""}}},
        {"first line without a name", L"[HOL]\n7/20\n", {{720, L""}}},
        {"lines not starting with month/day skipped",
         L"[HOL]\n1/1:a\nxyz\n1-2:b\n/3:c\n4/:d\n4 /5:e\n",
         {{101, L"a"}}},
        {"unchecked month kept", L"[HOL]\n99/99:x\n-1/5:y\n", {{9999, L"x"}, {-95, L"y"}}},
        {"last line without line end", L"[HOL]\n1/1:a\n2/2:b", {{101, L"a"}, {202, L"b"}}},
        {"name cut at 255",
         L"[HOL]\n1/1:" + std::wstring(100000, L'祝') + L"\n",
         {{101, std::wstring(255, L'祝')}}},
        {"key beyond int skipped",
         L"[HOL]\n99999999999/1:x\n30000000/1:y\n0/99999999999:z\n0/-99999999999:w\n",
         {}},
    };
    for (const HolidayCase& c : cases) {
        EXPECT_EQ(LoadFrom(c.file), c.expected) << c.name;
    }
}

TEST(HolidayCalendarTest, FindHolidayAnswersByMonthAndDay) {
    HolidayCalendar calendar;
    calendar.Set(101, L"元日");
    calendar.Set(229, L"");
    calendar.Set(9999, L"x");
    EXPECT_EQ(*calendar.FindHoliday(1, 1), L"元日");
    ASSERT_NE(calendar.FindHoliday(2, 29), nullptr);  // an empty name is still a holiday
    EXPECT_EQ(*calendar.FindHoliday(2, 29), L"");
    EXPECT_EQ(calendar.FindHoliday(1, 2), nullptr);
    EXPECT_EQ(calendar.FindHoliday(2147483647, 1), nullptr);
}

TEST(HolidayCalendarTest, LoadAddsToWhatIsThereAndMissingFileIsSilent) {
    TempDir dir;
    HolidayCalendar calendar;
    calendar.Set(101, L"old");
    calendar.Set(102, L"kept");
    LoadHolidays(dir.Root(), calendar);
    EXPECT_EQ(calendar.Entries().size(), 2u);
    WriteSJisFile(dir.File(L"Holiday.dat"), L"[HOL]\n1/1:元日\n");
    LoadHolidays(dir.Root(), calendar);
    EXPECT_EQ(calendar.Entries(), (Entries{{101, L"元日"}, {102, L"kept"}}));
}

// A route configuration hands over its open file right after its own header line.
TEST(HolidayCalendarTest, SectionReadFromAnOpenFile) {
    TempDir dir;
    WriteSJisFile(dir.File(L"vekt.cfg"), L"[hol]\n1/1:元日\n;x\n12/31:大晦日");
    CSJisFile file;
    ASSERT_TRUE(file.Open(dir.File(L"vekt.cfg"), CSJisFile::Mode::Read));
    std::wstring header;
    ASSERT_TRUE(file.ReadString(header));
    HolidayCalendar calendar;
    calendar.Set(101, L"from Holiday.dat");
    ReadHolidaySection(file.Lines(), calendar);
    EXPECT_EQ(calendar.Entries(), (Entries{{101, L"元日"}, {1231, L"大晦日"}}));
}

}  // namespace
