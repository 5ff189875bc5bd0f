#include "timetable/Timetable.h"

#include <algorithm>
#include <optional>

#include "settings/AppSettings.h"
#include "text/IntFormat.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/TimetableParser.h"

Timetable::Timetable(const AppSettings& settings, const ColorTable& colours,
                     const HolidayCalendar& holidays)
    : settings_(&settings), colours_(&colours), holidays_(&holidays) {}

bool Timetable::LoadTimetable(std::wstring_view filePath) {
    return TimetableParser(*settings_).Load(filePath, *this);
}

namespace {

constexpr std::wstring_view kBlankLabel = L"　　　";
constexpr std::wstring_view kNextLabels[] = {kNextDepartureLabel, L"次　発", L"次々発"};

// The moment's clock time in seconds of the timetable day: hours at or below the day-change hour
// belong to the night after the day, so they count from 24.
int SearchTarget(const MomentFields& f, int dayChgHour) {
    const int hour = f.hour <= dayChgHour ? f.hour + 24 : f.hour;
    return (hour * 60 + f.minute) * 60 + f.second;
}

// The first departure leaving at or after `targetSeconds`, or -1.
int FirstDepartureFrom(const DaySection& section, int targetSeconds) {
    const std::vector<Departure>& departures = section.departures;
    for (std::size_t i = 0; i < departures.size(); ++i) {
        if (departures[i].time * 60 >= targetSeconds) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool HasDeparture(const DaySection* section, int index) {
    return section != nullptr && index >= 0 &&
           static_cast<std::size_t>(index) < section->departures.size();
}

}  // namespace

const DaySection* Timetable::FindSection() const {
    if (dayType < 1 || dayType > 8) {
        return nullptr;
    }
    const unsigned bit = 1u << (dayType - 1);
    for (const DaySection& section : sections) {
        if ((section.dayMask & bit) != 0) {
            return &section;
        }
    }
    return nullptr;
}

int Timetable::FindNextDeparture(Moment moment, bool alsoView) {
    currentMoment = moment;
    if (alsoView) {
        viewMoment = moment;
    }
    const int dayChgHour = settings_->dayChgHour;
    if (autoDay) {
        // The timetable day runs until the day-change hour of the next calendar day.
        const MomentFields day = moment.PlusDays(-static_cast<double>(dayChgHour) / 24.0).Fields();
        dayType = day.dayOfWeek;  // -1 when the moment is not a valid date
        if (day.dayOfWeek > 0 && holidays_->FindHoliday(day.month, day.day) != nullptr) {
            dayType = kHolidayDayType;
        }
    }
    const DaySection* section = FindSection();
    if (section == nullptr) {
        return -1;
    }
    // After the last departure the first one of the section stays on top for the night.
    nextIndex =
        std::max(0, FirstDepartureFrom(*section, SearchTarget(moment.Fields(), dayChgHour)));
    return nextIndex;
}

int Timetable::FindViewDeparture(Moment moment) {
    viewMoment = moment;
    const DaySection* section = FindSection();
    if (section == nullptr) {
        return -1;
    }
    const int target = SearchTarget(moment.Fields(), settings_->dayChgHour);
    int found = FirstDepartureFrom(*section, target);
    // A late-night time past the section's last departure shows the section from its start.
    if (found < 0 && target >= 24 * 3600) {
        found = FirstDepartureFrom(*section, target - 24 * 3600);
    }
    viewIndex = found;
    return viewIndex;
}

void Timetable::SetForcedDay(DayType day) {
    autoDay = day == 0;
    if (day != 0) {
        dayType = day;
    }
}

bool Timetable::GetRowInfo(int index, RowInfo& row) const {
    const DaySection* section = FindSection();
    if (!HasDeparture(section, index)) {
        return false;
    }
    const Departure& departure = section->departures[static_cast<std::size_t>(index)];
    FillLabel(*section, index, row.label);
    row.distance = nextIndex - index;
    row.time = departure.time;
    row.seconds = -1;
    if (index >= nextIndex - 1) {
        row.seconds = SecondsUntil(departure.time);
    }
    FillNote(departure.marks, row);
    return true;
}

void Timetable::FillLabel(const DaySection& section, int index, std::wstring& label) const {
    label.assign(kBlankLabel);
    switch (displayMode) {
        case DisplayMode::RealTime: {
            const int rank = index - nextIndex;
            if (rank >= 0 && rank < 3) {
                label.assign(kNextLabels[rank]);
            }
            break;
        }
        case DisplayMode::HourBlocks:
            for (int slot = 0; slot < kHourSlots; ++slot) {
                const int first = section.hourIndex[static_cast<std::size_t>(slot)];
                if (first != -1 && first == index) {
                    label.clear();
                    AppendIntFormat(label, L"%02d時台", {slot});
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
    // Before the day-change hour both times belong to the night after the timetable day.
    const long long dayChgMinutes = static_cast<long long>(settings_->dayChgHour) * 60;
    const MomentFields now = currentMoment.Fields();
    int nowMinutes = now.hour * 60 + now.minute;
    if (nowMinutes < dayChgMinutes) {
        nowMinutes += 24 * 60;
    }
    if (departureTime < dayChgMinutes) {
        departureTime += 24 * 60;
    }
    return departureTime * 60 - (nowMinutes * 60 + now.second);
}

void Timetable::FillNote(std::wstring_view marks, RowInfo& row) const {
    const bool shortMark = settings_->shortMark != 0;
    row.note.clear();
    for (wchar_t mark : marks) {
        const auto entry = legend.find(mark);
        if (entry == legend.end()) {
            continue;
        }
        // Every coloured mark overwrites the colour: the last one wins.
        if (const std::optional<ColorRef> colour = colours_->Find(entry->second.name)) {
            row.colour = *colour;
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
    for (wchar_t mark : section->departures[static_cast<std::size_t>(index)].marks) {
        const auto entry = legend.find(mark);
        if (entry == legend.end()) {
            continue;
        }
        const std::wstring& name = entry->second.name;
        const ColorRef colour = colours_->Find(name).value_or(0);
        if (found++ == 0) {
            names.name1 = name;
            names.colour1 = colour;
        } else {
            names.name2 = name;
            names.colour2 = colour;
            break;
        }
    }
    return true;
}
