// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/ColorTable.h"
#include "timetable/BoardWords.h"
#include "timetable/Moment.h"

class AppSettings;
class HolidayCalendar;

// 1 Sunday .. 7 Saturday, 8 holiday, -1 for an invalid date.
using DayType = int;
inline constexpr DayType kHolidayDayType = 8;

// Decides the labels of the list rows.
enum class DisplayMode : std::uint8_t { RealTime = 0, HourBlocks = 1, ViewMoment = 2 };

struct MarkLegendEntry {
    wchar_t mark = 0;
    std::wstring name;
    std::wstring shortName;
};
using MarkLegend = std::map<wchar_t, MarkLegendEntry>;

// One departure: its marks and its time in minutes of the timetable day (hours at or below the
// day-change hour count from 24, so times after midnight continue past 1440).
struct Departure {
    std::wstring marks;
    std::int16_t time = 0;
    std::uint16_t member = 0;  // on a board, the member timetable the train comes from
};

inline constexpr int kHourSlots = 32;
// The first departure of each hour; a board joins more departures than 16 bits can count.
using HourIndex = std::array<std::int32_t, kHourSlots>;

struct DaySection {
    std::uint8_t dayMask = 0;  // bit d - 1 for each day type d served
    std::wstring caption1;
    std::wstring caption2;
    std::vector<Departure> departures;
    HourIndex hourIndex = MakeEmptyHourIndex();
    bool inTimeOrder = false;  // departures sorted by time, so a search can halve the section

    // Rows count departures with an int; the parser keeps a section to 32767 of them.
    int DepartureCount() const { return static_cast<int>(departures.size()); }
    // Out of range throws rather than reading past the end.
    const Departure& DepartureAt(int index) const {
        return departures.at(static_cast<std::size_t>(index));
    }

    static HourIndex MakeEmptyHourIndex() {
        HourIndex index{};
        index.fill(-1);
        return index;
    }
};

struct TravelTime {
    std::int16_t minutes = 0;
    wchar_t mark = L'-';  // a legend letter, or "-" for trains without a matching mark
};

struct ArrivalStation {
    std::wstring name;
    std::wstring target;  // relative to the timetable's folder; "/" first names a catalogue level
    int transferMinutes = 0;
    std::vector<TravelTime> travelTimes;
};

// What one row of the departure list shows.
struct RowInfo {
    std::wstring label;
    int time = 0;       // minutes of the timetable day
    int seconds = -1;   // to departure; -1 when not computed (rows above the previous departure)
    std::wstring note;  // mark names, each followed by one space
    ColorRef color = 0;
    int distance = 0;  // rows above the first departure still to leave (1: the one that left)
    bool unreachable = false;  // leaves sooner than the walk to the station: dimmed, no label
    int walkSeconds = 0;       // the timetable's walking time
};

// The names of the first two legend marks of a departure, with their colours (0 when none).
struct RowMarkNames {
    std::wstring name1;
    ColorRef color1 = 0;
    std::wstring name2;
    ColorRef color2 = 0;
};

// Where the view stands at a moment: the section of the timetable day on show (the moment's own
// day, or today's when that day is over), the moment's seconds counted in its own timetable day,
// and the first departure at or after them (-1 for none).
struct ViewPlace {
    long long day = 0;  // the day on show, in days since the epoch
    const DaySection* section = nullptr;
    long long seconds = 0;
    int index = -1;
};

class Timetable;

// A timetable a board joins, with the name its rows show.
struct BoardMember {
    std::wstring shortName;
    std::shared_ptr<Timetable> timetable;
};

// A loaded timetable file plus the state of the departure lookup. It refers to the settings,
// the colour list and the holiday calendar, which its owner keeps alive.
class Timetable {
public:
    Timetable(const AppSettings& settings, const ColorTable& colors,
              const HolidayCalendar& holidays);

    // Replaces the content with the file's; false (and nothing changed) when it cannot be read.
    // A board file ("*.BRD") joins the departures of its members.
    bool LoadTimetable(std::wstring_view path);

    bool IsBoard() const { return !members.empty(); }
    // The timetable departure `index` of the section on show comes from: its member on a board,
    // this timetable otherwise (and for an index without a departure).
    const Timetable& SourceOf(int index) const;
    Timetable& SourceOf(int index);
    // The section departure `index` comes from, for its captions; on a board, its member's
    // section of the day on show.
    const DaySection* SourceSectionOf(int index) const;
    // Whether any train is farther away than it leaves: a walking time of its own or a member's.
    bool Walks() const;

    // Departure lookup.
    const DaySection* FindSection() const;
    // The next departure at `moment`, -1 without a section. With `alsoView` the view follows;
    // otherwise it stays, also on a later day, and once its own day is over it moves on to the
    // same time of the day now running, whose section is then on show.
    int FindNextDeparture(Moment moment, bool alsoView);
    // Positions the view at `moment`: a moment of a later day puts that day's section on show.
    int FindViewDeparture(Moment moment);
    // Where FindViewDeparture would put the view, without moving it.
    // `walking`: the departures a traveller setting off at `moment` still reaches.
    ViewPlace LocateView(Moment moment, bool walking = false) const;
    void SetForcedDay(DayType day);
    // The moment `minutes` into the timetable day on show (past 1439 on the next calendar day).
    Moment MomentOfMinute(int minutes) const;
    // Fills `row` for departure `index` of the current section; false past the last departure.
    bool GetRowInfo(int index, RowInfo& row) const;
    // The first departure of the section on show still to leave, reachable or not.
    int FirstToLeave() const { return leftIndex_; }
    bool GetRowMarkNames(int index, RowMarkNames& names) const;

    const DaySection* SectionFor(DayType type) const;

    std::wstring title;
    MarkLegend legend;
    std::vector<DaySection> sections;
    std::vector<ArrivalStation> arrivals;
    std::wstring path;
    std::wstring folder;         // path up to and including its last separator
    bool writtenInUtf8 = false;  // the file's text shows as garbage until it is converted
    DisplayMode displayMode = DisplayMode::RealTime;
    Moment viewMoment;
    Moment currentMoment;
    int nextIndex = 1;    // the first departure the walk to the station still reaches
    int walkMinutes = 0;  // 0 to 120; departures sooner than that cannot be reached
    int viewIndex = -1;
    bool autoDay = true;
    DayType dayType = 0;
    std::vector<BoardMember> members;             // on a board; empty for a timetable file
    std::vector<std::wstring> unreadableMembers;  // of the board: the paths not read

    const AppSettings& settings() const { return *settings_; }
    const ColorTable& colors() const { return *colors_; }
    const HolidayCalendar& holidays() const { return *holidays_; }
    // The words of the row labels; the board's own Japanese until a window sets its own.
    const BoardWords& words() const { return words_; }
    void SetWords(BoardWords words) { words_ = std::move(words); }

private:
    // The timetable day of a moment, in days since the epoch: the calendar day, or the day
    // before for the hours before the day-change hour. During the day-change hour itself the
    // ending day goes on while its section still has departures to come. None when invalid.
    std::optional<long long> DayOf(Moment moment) const;
    DayType TypeOf(long long day) const;
    // Puts `day` on show: its day type, and the next departure counted from currentMoment.
    int ShowDay(std::optional<long long> day);
    // The first departure at or after `seconds`, or -1; `walking`, those reached setting off
    // then.
    int FirstFrom(const DaySection& section, long long seconds, bool walking) const;
    int WalkSecondsOf(const Departure& departure) const;
    bool OutOfReach(const Departure& departure) const;
    // Among the trains in reach, how many leave before departure `index` from the next one on.
    int ReachableRank(const DaySection& section, int index) const;
    void FillLabel(const DaySection& section, int index, std::wstring& label) const;
    // Seconds from currentMoment to a departure at `departureTime`, negative once it has left.
    int SecondsUntil(int departureTime) const;
    // The mark names of the departure's own timetable, after its member's name on a board.
    void FillNote(const Departure& departure, RowInfo& row) const;

    std::optional<long long> nowDay_;   // the timetable day of currentMoment
    std::optional<long long> viewDay_;  // the day the view lies on: the day on show
    long long nowSeconds_ = 0;          // currentMoment in seconds of the day on show
    int leftIndex_ = 0;                 // the first departure still to leave
    bool trainsToLeave_ = false;        // the day on show has departures still to come
    const AppSettings* settings_;
    const ColorTable* colors_;
    const HolidayCalendar* holidays_;
    BoardWords words_;
};
