// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/Timetable.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

#include "settings/AppSettings.h"
#include "text/IntFormat.h"
#include "timetable/BoardFile.h"
#include "timetable/BoardTimetable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/TimetableParser.h"

Timetable::Timetable(const AppSettings& settings, const ColorTable& colors,
                     const HolidayCalendar& holidays)
    : settings_(&settings), colors_(&colors), holidays_(&holidays) {}

bool Timetable::LoadTimetable(std::wstring_view filePath) {
    if (BoardFile::Names(filePath)) {
        return LoadBoardTimetable(filePath, *this);
    }
    if (!TimetableParser(*settings_).Load(filePath, *this)) {
        return false;
    }
    members.clear();
    unreadableMembers.clear();
    return true;
}

namespace {

constexpr long long kSecondsPerDay = 24 * 3600;

// The calendar day of a valid moment, in days since the epoch.
long long DayNumber(const MomentFields& f) {
    return static_cast<long long>(Moment::FromFields(f.year, f.month, f.day, 0, 0, 0).Days());
}

// Seconds from the start of `day` to `moment`: past a day for the night after it.
long long SecondsOn(long long day, Moment moment) {
    if (!moment.IsValid()) {
        return 0;
    }
    const MomentFields f = moment.Fields();
    return (DayNumber(f) - day) * kSecondsPerDay + f.hour * 3600LL + f.minute * 60LL + f.second;
}

Moment MomentOn(long long day, long long seconds) {
    long long rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
    }
    const MomentFields date =
        Moment(static_cast<double>(day + (seconds - rest) / kSecondsPerDay)).Fields();
    return Moment::FromFields(date.year, date.month, date.day, static_cast<int>(rest / 3600),
                              static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60));
}

// The first departure leaving at or after `targetSeconds`, or -1.
int FirstDepartureFrom(const DaySection& section, long long targetSeconds) {
    const std::vector<Departure>& departures = section.departures;
    if (section.inTimeOrder) {
        const auto first =
            std::partition_point(departures.begin(), departures.end(),
                                 [&](const Departure& d) { return d.time * 60LL < targetSeconds; });
        return first == departures.end() ? -1 : static_cast<int>(first - departures.begin());
    }
    for (std::size_t i = 0; i < departures.size(); ++i) {
        if (departures[i].time * 60LL >= targetSeconds) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool HasDeparture(const DaySection* section, int index) {
    return section != nullptr && index >= 0 && index < section->DepartureCount();
}

}  // namespace

const DaySection* Timetable::FindSection() const {
    return SectionFor(dayType);
}

const Timetable& Timetable::SourceOf(int index) const {
    const DaySection* section = FindSection();
    if (!IsBoard() || !HasDeparture(section, index)) {
        return *this;
    }
    return *members[section->DepartureAt(index).member].timetable;
}

Timetable& Timetable::SourceOf(int index) {
    return const_cast<Timetable&>(std::as_const(*this).SourceOf(index));
}

const DaySection* Timetable::SourceSectionOf(int index) const {
    const Timetable& source = SourceOf(index);
    return &source == this ? FindSection() : source.SectionFor(dayType);
}

bool Timetable::Walks() const {
    return walkMinutes > 0 || std::any_of(members.begin(), members.end(), [](const BoardMember& m) {
               return m.timetable->walkMinutes > 0;
           });
}

int Timetable::WalkSecondsOf(const Departure& departure) const {
    const int minutes = IsBoard() ? members[departure.member].timetable->walkMinutes : walkMinutes;
    return minutes * 60;
}

int Timetable::FirstFrom(const DaySection& section, long long seconds, bool walking) const {
    if (!walking) {
        return FirstDepartureFrom(section, seconds);
    }
    if (!IsBoard()) {
        return FirstDepartureFrom(section, seconds + walkMinutes * 60LL);
    }
    // Members walk apart: the first train in reach lies after the shortest walk.
    int shortest = INT_MAX;
    for (const BoardMember& member : members) {
        shortest = std::min(shortest, member.timetable->walkMinutes);
    }
    const int from = FirstDepartureFrom(section, seconds + shortest * 60LL);
    for (int i = std::max(from, 0); from >= 0 && i < section.DepartureCount(); ++i) {
        const Departure& departure = section.DepartureAt(i);
        if (departure.time * 60LL >= seconds + WalkSecondsOf(departure)) {
            return i;
        }
    }
    return -1;
}

bool Timetable::OutOfReach(const Departure& departure) const {
    const long long seconds = departure.time * 60LL - nowSeconds_;
    return trainsToLeave_ && seconds >= 0 && seconds < WalkSecondsOf(departure);
}

const DaySection* Timetable::SectionFor(DayType type) const {
    if (type < 1 || type > 8) {
        return nullptr;
    }
    const unsigned bit = 1u << (type - 1);
    for (const DaySection& section : sections) {
        if ((section.dayMask & bit) != 0) {
            return &section;
        }
    }
    return nullptr;
}

DayType Timetable::TypeOf(long long day) const {
    if (!autoDay) {
        return dayType;
    }
    const MomentFields date = Moment(static_cast<double>(day)).Fields();
    if (date.dayOfWeek > 0 && holidays_->FindHoliday(date.month, date.day) != nullptr) {
        return kHolidayDayType;
    }
    return date.dayOfWeek;  // -1 outside the calendar
}

std::optional<long long> Timetable::DayOf(Moment moment) const {
    if (!moment.IsValid()) {
        return std::nullopt;
    }
    const int dayChgHour = settings_->dayChgHour;
    const long long day =
        DayNumber(moment.PlusDays(-static_cast<double>(dayChgHour) / 24.0).Fields());
    if (moment.Hour() != dayChgHour) {
        return day;
    }
    // File hours up to the day-change hour count from 24: the ending day's trains of this hour
    // run now, and the new day begins after the last of them.
    const DaySection* ending = SectionFor(TypeOf(day - 1));
    if (ending != nullptr && FirstDepartureFrom(*ending, SecondsOn(day - 1, moment)) >= 0) {
        return day - 1;
    }
    return day;
}

int Timetable::ShowDay(std::optional<long long> day) {
    viewDay_ = day;
    if (autoDay) {
        dayType = day ? TypeOf(*day) : -1;
    }
    const DaySection* section = FindSection();
    if (section == nullptr) {
        return -1;
    }
    nowSeconds_ = day ? SecondsOn(*day, currentMoment) : 0;
    const int toLeave = FirstDepartureFrom(*section, nowSeconds_);
    const int reachable = FirstFrom(*section, nowSeconds_, true);
    // After the last departure the first one of the section stays on top for the night; so it
    // does when the walk reaches none, and the trains still to leave are out of reach.
    leftIndex_ = std::max(0, toLeave);
    trainsToLeave_ = toLeave >= 0;
    nextIndex = std::max(0, reachable);
    return nextIndex;
}

int Timetable::FindNextDeparture(Moment moment, bool alsoView) {
    currentMoment = moment;
    nowDay_ = DayOf(moment);
    if (alsoView) {
        viewMoment = moment;
    }
    if (alsoView || !nowDay_) {
        return ShowDay(nowDay_);
    }
    const std::optional<long long> view = viewDay_ ? viewDay_ : DayOf(viewMoment);
    if (!view || *view < *nowDay_) {
        // The view's day is over: the view moves on to the same time of the day now running.
        if (view) {
            viewMoment = MomentOn(*nowDay_, SecondsOn(*view, viewMoment));
        }
        return ShowDay(nowDay_);
    }
    return ShowDay(view);
}

ViewPlace Timetable::LocateView(Moment moment, bool walking) const {
    ViewPlace place;
    const std::optional<long long> own = DayOf(moment);
    if (!own) {
        return place;
    }
    place.day = nowDay_ ? std::max(*own, *nowDay_) : *own;
    place.section = SectionFor(TypeOf(place.day));
    place.seconds = SecondsOn(*own, moment);
    if (place.section == nullptr) {
        return place;
    }
    place.index = FirstFrom(*place.section, place.seconds, walking);
    // A late-night time past the section's last departure shows the section from its start.
    if (place.index < 0 && place.seconds >= kSecondsPerDay) {
        place.index = FirstFrom(*place.section, place.seconds - kSecondsPerDay, walking);
    }
    return place;
}

int Timetable::FindViewDeparture(Moment moment) {
    viewMoment = moment;
    // Real time shows the first departure the traveller can still reach.
    const ViewPlace place = LocateView(moment, displayMode == DisplayMode::RealTime);
    if (!moment.IsValid() || place.section == nullptr) {
        if (moment.IsValid()) {
            ShowDay(place.day);  // a day without departures is on show
        }
        return -1;
    }
    if (place.day != *DayOf(moment)) {
        viewMoment = MomentOn(place.day, place.seconds);
    }
    ShowDay(place.day);
    viewIndex = place.index;
    return viewIndex;
}

void Timetable::SetForcedDay(DayType day) {
    autoDay = day == 0;
    if (day != 0) {
        dayType = day;
    }
}

Moment Timetable::MomentOfMinute(int minutes) const {
    const long long day = viewDay_.value_or(nowDay_.value_or(DayNumber(currentMoment.Fields())));
    return MomentOn(day, std::max(0, minutes) * 60LL);
}

bool Timetable::GetRowInfo(int index, RowInfo& row) const {
    const DaySection* section = FindSection();
    if (!HasDeparture(section, index)) {
        return false;
    }
    const Departure& departure = section->DepartureAt(index);
    row.unreachable = OutOfReach(departure);
    FillLabel(*section, index, row.label);
    if (row.unreachable) {
        row.label.assign(words_.blankLabel);  // no "next" for a train out of reach
    }
    row.distance = leftIndex_ - index;
    row.walkSeconds = WalkSecondsOf(departure);
    row.time = departure.time;
    row.seconds = -1;
    if (index >= leftIndex_ - 1) {
        row.seconds = SecondsUntil(departure.time);
    }
    FillNote(departure, row);
    return true;
}

int Timetable::ReachableRank(const DaySection& section, int index) const {
    int rank = 0;
    for (int i = nextIndex; i < index && rank < 3; ++i) {
        rank += OutOfReach(section.DepartureAt(i)) ? 0 : 1;
    }
    return rank;
}

void Timetable::FillLabel(const DaySection& section, int index, std::wstring& label) const {
    label.assign(words_.blankLabel);
    switch (displayMode) {
        case DisplayMode::RealTime: {
            const int rank = index < nextIndex ? -1 : ReachableRank(section, index);
            if (rank >= 0 && rank < 3) {
                label.assign(words_.nextLabels[static_cast<std::size_t>(rank)]);
            }
            break;
        }
        case DisplayMode::HourBlocks:
            for (int slot = 0; slot < kHourSlots; ++slot) {
                const int first = section.hourIndex[static_cast<std::size_t>(slot)];
                if (first != -1 && first == index) {
                    label.clear();
                    AppendIntFormat(label, words_.hourLabel, {slot});
                    break;
                }
            }
            break;
        case DisplayMode::ViewMoment:
            if (index == viewIndex) {
                const MomentFields view = viewMoment.Fields();
                label.clear();
                AppendIntFormat(label, L">%02d:%02d", {view.hour, view.minute});
            }
            break;
    }
}

int Timetable::SecondsUntil(int departureTime) const {
    const long long seconds = departureTime * 60LL - nowSeconds_;
    return static_cast<int>(std::clamp<long long>(seconds, INT_MIN, INT_MAX));
}

void Timetable::FillNote(const Departure& departure, RowInfo& row) const {
    const bool shortMark = settings_->shortMark != 0;
    row.note.clear();
    const Timetable* source = this;
    if (IsBoard()) {
        const BoardMember& member = members[departure.member];
        source = member.timetable.get();
        row.note.append(member.shortName).push_back(L' ');
    }
    for (wchar_t mark : departure.marks) {
        const auto entry = source->legend.find(mark);
        if (entry == source->legend.end()) {
            continue;
        }
        // Every coloured mark overwrites the colour: the last one wins.
        if (const std::optional<ColorRef> color = colors_->Find(entry->second.name)) {
            row.color = *color;
        }
        row.note += shortMark ? entry->second.shortName : entry->second.name;
        row.note.push_back(L' ');
    }
}

bool Timetable::GetRowMarkNames(int index, RowMarkNames& names) const {
    const DaySection* section = FindSection();
    if (!HasDeparture(section, index)) {
        return false;
    }
    names = RowMarkNames{};
    int found = 0;
    const MarkLegend& marksOf = SourceOf(index).legend;
    for (wchar_t mark : section->DepartureAt(index).marks) {
        const auto entry = marksOf.find(mark);
        if (entry == marksOf.end()) {
            continue;
        }
        const std::wstring& name = entry->second.name;
        const ColorRef color = colors_->Find(name).value_or(0);
        if (found++ == 0) {
            names.name1 = name;
            names.color1 = color;
        } else {
            names.name2 = name;
            names.color2 = color;
            break;
        }
    }
    return true;
}
