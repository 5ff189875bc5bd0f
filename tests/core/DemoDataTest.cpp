// SPDX-License-Identifier: GPL-3.0-or-later
// The demo data root must load completely: every line of every file is read here on its own,
// the expected content is built from it, and the program's loaders must produce exactly that.
// A line a loader skipped or misread shows up as a difference.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "catalogue/DataStore.h"
#include "catalogue/RouteConfig.h"
#include "files/CSJisFile.h"
#include "files/PathLookup.h"
#include "settings/AppSettings.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

namespace {

namespace fs = std::filesystem;

std::wstring DemoRoot() {
    return wtext::Utf8ToWide(KOVARIS_DEMO_DATA) + L"/";
}

std::vector<std::wstring> Lines(const std::wstring& path) {
    CSJisFile file;
    EXPECT_TRUE(file.Open(path, CSJisFile::Mode::Read)) << wtext::WideToUtf8(path);
    std::vector<std::wstring> lines;
    std::wstring line;
    while (file.ReadString(line)) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::wstring> Words(std::wstring_view text) {
    std::vector<std::wstring> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && wtext::IsSpace(text[pos])) {
            ++pos;
        }
        const std::size_t start = pos;
        while (pos < text.size() && !wtext::IsSpace(text[pos])) {
            ++pos;
        }
        if (pos > start) {
            words.emplace_back(text.substr(start, pos - start));
        }
    }
    return words;
}

int Number(std::wstring_view text) {
    return wtext::LeadingInt(text);
}

std::vector<std::wstring> DemoFiles(const std::wstring& extension) {
    std::vector<std::wstring> files;
    for (const auto& item : fs::recursive_directory_iterator(KOVARIS_DEMO_DATA)) {
        const std::wstring path = wtext::Utf8ToWide(item.path().string());
        if (item.is_regular_file() && path.ends_with(extension)) {
            files.push_back(path);
        }
    }
    return files;
}

class DemoDataTest : public ::testing::Test {
protected:
    DemoDataTest() { settings.dataPath = DemoRoot(); }

    // What the timetable file says, read line by line in the order the blocks come.
    Timetable Expected(const std::wstring& path) {
        Timetable t(settings, colors, holidays);
        DaySection* section = nullptr;
        bool inTitle = true;
        for (const std::wstring& raw : Lines(path)) {
            const std::wstring line(wtext::Trim(raw));
            if (inTitle && line.starts_with(L';')) {
                if (t.title.empty()) {
                    t.title = wtext::Trim(line.substr(1));
                }
                continue;
            }
            inTitle = false;
            if (line.empty() || line.starts_with(L';')) {
                continue;
            }
            if (line.starts_with(L'$')) {
                ArrivalStation station;
                const std::size_t colon = line.find(L':');
                station.name = line.substr(1, colon - 1);
                for (const std::wstring& token : Words(line.substr(colon + 1))) {
                    if (token.starts_with(L'+')) {
                        station.transferMinutes = Number(token.substr(1));
                    } else if (token.starts_with(L'>')) {
                        station.target = token.substr(1);
                    } else if (wtext::IsAsciiLetter(token[0])) {
                        station.travelTimes.push_back(
                            {static_cast<std::int16_t>(Number(token.substr(1))), token[0]});
                    } else {
                        station.travelTimes.push_back(
                            {static_cast<std::int16_t>(Number(token)), L'-'});
                    }
                }
                t.arrivals.push_back(station);
            } else if (line.starts_with(L'[')) {
                section = &t.sections.emplace_back();
                for (int day = 0; day < 8; ++day) {
                    static const wchar_t* kDays[] = {L"[SUN]", L"[MON]", L"[TUE]", L"[WED]",
                                                     L"[THU]", L"[FRI]", L"[SAT]", L"[HOL]"};
                    if (line.find(kDays[day]) != std::wstring::npos) {
                        section->dayMask = static_cast<std::uint8_t>(section->dayMask | 1 << day);
                    }
                }
            } else if (line.starts_with(L'#')) {
                const auto words = Words(line.substr(1));
                section->caption1 = words.at(0);
                section->caption2 = words.at(1);
            } else if (section != nullptr) {
                const auto words = Words(line);
                int hour = Number(words.at(0));
                hour += hour <= settings.dayChgHour ? 24 : 0;
                section->hourIndex[static_cast<std::size_t>(hour)] =
                    static_cast<std::int16_t>(section->departures.size());
                for (std::size_t i = 1; i < words.size(); ++i) {
                    const std::wstring marks = words[i].substr(0, 1);
                    section->departures.push_back(
                        {marks, static_cast<std::int16_t>(hour * 60 + Number(words[i].substr(1)))});
                }
            } else {
                const std::size_t colon = line.find(L':');
                const std::size_t semicolon = line.find(L';');
                t.legend[line[0]] = {line[0], line.substr(colon + 1, semicolon - colon - 1),
                                     line.substr(semicolon + 1)};
            }
        }
        return t;
    }

    AppSettings settings;
    ColorTable colors;
    HolidayCalendar holidays;
};

TEST_F(DemoDataTest, EveryTimetableLineIsLoaded) {
    const auto files = DemoFiles(L".TBL");
    ASSERT_EQ(files.size(), 4u);
    DataStore store(settings);
    for (const std::wstring& path : files) {
        SCOPED_TRACE(wtext::WideToUtf8(path));
        const Timetable expected = Expected(path);
        Timetable loaded(settings, colors, holidays);
        ASSERT_TRUE(loaded.LoadTimetable(path));
        EXPECT_EQ(loaded.title, expected.title);
        ASSERT_EQ(loaded.legend.size(), expected.legend.size());
        for (const auto& [mark, entry] : expected.legend) {
            EXPECT_EQ(loaded.legend.at(mark).name, entry.name);
            EXPECT_EQ(loaded.legend.at(mark).shortName, entry.shortName);
        }
        ASSERT_EQ(loaded.arrivals.size(), expected.arrivals.size());
        for (std::size_t i = 0; i < expected.arrivals.size(); ++i) {
            const ArrivalStation& a = loaded.arrivals[i];
            const ArrivalStation& e = expected.arrivals[i];
            EXPECT_EQ(a.name, e.name);
            EXPECT_EQ(a.target, e.target);
            EXPECT_EQ(a.transferMinutes, e.transferMinutes);
            ASSERT_EQ(a.travelTimes.size(), e.travelTimes.size());
            for (std::size_t k = 0; k < e.travelTimes.size(); ++k) {
                EXPECT_EQ(a.travelTimes[k].mark, e.travelTimes[k].mark);
                EXPECT_EQ(a.travelTimes[k].minutes, e.travelTimes[k].minutes);
            }
            // Every transfer leads somewhere that exists.
            if (!e.target.empty()) {
                const bool level = e.target.starts_with(L'/');
                EXPECT_TRUE(PathExists(
                    store.ResolvePath(loaded.folder, level ? e.target.substr(1) : e.target)))
                    << wtext::WideToUtf8(e.target);
            }
        }
        ASSERT_EQ(loaded.sections.size(), 3u);
        for (std::size_t s = 0; s < expected.sections.size(); ++s) {
            const DaySection& a = loaded.sections[s];
            const DaySection& e = expected.sections[s];
            EXPECT_EQ(a.dayMask, e.dayMask);
            EXPECT_EQ(a.caption1, e.caption1);
            EXPECT_EQ(a.caption2, e.caption2);
            EXPECT_EQ(a.hourIndex, e.hourIndex);
            ASSERT_EQ(a.departures.size(), e.departures.size());
            for (std::size_t d = 0; d < e.departures.size(); ++d) {
                EXPECT_EQ(a.departures[d].marks, e.departures[d].marks);
                EXPECT_EQ(a.departures[d].time, e.departures[d].time);
                EXPECT_TRUE(loaded.legend.contains(e.departures[d].marks[0]));
            }
        }
        // Weekday, Saturday and Sunday/holiday sections, with trains after midnight.
        EXPECT_EQ(loaded.sections[0].dayMask, 0x3E);
        EXPECT_EQ(loaded.sections[1].dayMask, 0x40);
        EXPECT_EQ(loaded.sections[2].dayMask, 0x81);
        EXPECT_GE(loaded.sections[0].departures.back().time, 24 * 60);
    }
}

TEST_F(DemoDataTest, EveryRouteConfigurationLineIsAnEntryThatExists) {
    settings.cfgRead = 1;
    DataStore store(settings);
    for (const std::wstring& path : DemoFiles(L".cfg")) {
        SCOPED_TRACE(wtext::WideToUtf8(path));
        int entryLines = 0;
        for (const std::wstring& line : Lines(path)) {
            const std::wstring_view trimmed = wtext::Trim(line);
            ASSERT_FALSE(IsRouteConfigHolidayHeader(trimmed));
            entryLines += !trimmed.empty() && !trimmed.starts_with(L';');
        }
        std::vector<CatalogueEntry> entries;
        ASSERT_EQ(ParseRouteConfig(path, entries, holidays), entryLines);
        const std::wstring folder = path.substr(0, path.rfind(L'/') + 1);
        for (const CatalogueEntry& entry : entries) {
            EXPECT_TRUE(PathExists(store.ResolvePath(folder, entry.target)))
                << wtext::WideToUtf8(entry.target);
        }
    }
}

TEST_F(DemoDataTest, EveryHolidayAndColorLineIsLoaded) {
    DataStore store(settings);
    store.LoadTables();
    bool inSection = false;
    std::size_t holidayLines = 0;
    for (const std::wstring& line : Lines(DemoRoot() + L"Holiday.dat")) {
        if (!inSection) {
            inSection = line == L"[HOL]";
            continue;
        }
        if (line.empty() || line.starts_with(L';')) {
            continue;
        }
        ++holidayLines;
        const std::size_t slash = line.find(L'/');
        const std::size_t colon = line.find(L':');
        const int month = Number(line);
        const int day = Number(line.substr(slash + 1));
        const std::wstring* name = store.holidays.FindHoliday(month, day);
        ASSERT_NE(name, nullptr) << wtext::WideToUtf8(line);
        EXPECT_EQ(*name, line.substr(colon + 1));
    }
    EXPECT_EQ(holidayLines, 35u);
    EXPECT_NE(store.holidays.FindHoliday(5, 6), nullptr) << "substitute holiday 2026";
    EXPECT_NE(store.holidays.FindHoliday(9, 22), nullptr) << "bridge holiday 2026";
    EXPECT_NE(store.holidays.FindHoliday(3, 22), nullptr) << "substitute holiday 2027";

    const auto lines = Lines(DemoRoot() + L"color.ini");
    EXPECT_EQ(store.colors.Entries().size(), lines.size());
    for (const std::wstring& line : lines) {
        const std::size_t eq = line.find(L'=');
        const std::wstring values = line.substr(eq + 1);
        const std::size_t c1 = values.find(L',');
        const std::size_t c2 = values.find(L',', c1 + 1);
        const auto color = store.colors.Find(line.substr(0, eq));
        ASSERT_TRUE(color.has_value()) << wtext::WideToUtf8(line);
        EXPECT_EQ(*color,
                  static_cast<ColorRef>(Number(values) + 256 * Number(values.substr(c1 + 1)) +
                                        65536 * Number(values.substr(c2 + 1))));
    }
}

}  // namespace
