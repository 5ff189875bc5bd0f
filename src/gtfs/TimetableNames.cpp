// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/TimetableNames.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <map>
#include <set>

#include "gtfs/TimetableText.h"
#include "text/WideText.h"

namespace {

// Bits 0 to 6 of a section's day mask are the days of the week; bit 7, holidays, is not one.
constexpr unsigned kWeekDays = 0x7F;

std::size_t WeekDepartures(const TimetableDraft& draft) {
    std::size_t count = 0;
    for (const DraftSection& section : draft.sections) {
        count += static_cast<std::size_t>(std::popcount(section.dayMask & kWeekDays)) *
                 section.departures.size();
    }
    return count;
}

using Clash = std::vector<PlannedTimetable*>;
// What tells timetable `i` of a clash apart; empty when this way cannot.
using Distinction = std::function<std::wstring(const Clash& clash, std::size_t i)>;

bool Serves(const TimetableDraft& draft, const std::wstring& station) {
    return std::any_of(draft.stations.begin(), draft.stations.end(),
                       [&station](const DraftStation& s) { return s.name == station; });
}

std::wstring OnlyStationServed(const Clash& clash, std::size_t i) {
    for (const DraftStation& station : clash[i]->draft.stations) {
        bool elsewhere = false;
        for (std::size_t j = 0; j < clash.size() && !elsewhere; ++j) {
            elsewhere = j != i && Serves(clash[j]->draft, station.name);
        }
        if (!elsewhere) {
            return timetable_text::OneLine(timetable_text::ToBaseLetters(station.name)) + L"経由";
        }
    }
    return L"";
}

// Adds to the route names of timetables that share a caption what `distinction` finds, unless
// it is the same for all of them.
void TellApart(std::vector<PlannedTimetable>& timetables, const Distinction& distinction) {
    std::map<std::wstring, Clash> byCaption;
    for (PlannedTimetable& timetable : timetables) {
        byCaption[timetable.draft.Caption()].push_back(&timetable);
    }
    for (const auto& [caption, clash] : byCaption) {
        if (clash.size() < 2) {
            continue;
        }
        std::vector<std::wstring> marks;
        for (std::size_t i = 0; i < clash.size(); ++i) {
            marks.push_back(distinction(clash, i));
        }
        if (std::all_of(marks.begin(), marks.end(),
                        [&marks](const std::wstring& mark) { return mark == marks.front(); })) {
            continue;
        }
        for (std::size_t i = 0; i < clash.size(); ++i) {
            if (!marks[i].empty()) {
                TimetableDraft& draft = clash[i]->draft;
                draft.SetRoute(draft.route + L"（" + marks[i] + L"）");
            }
        }
    }
}

std::wstring UniqueFileName(const TimetableDraft& draft, std::set<std::wstring>& taken) {
    const std::wstring stem = timetable_text::SafeFileStem(draft.route + L"_" + draft.direction);
    std::wstring name = stem + L".TBL";
    for (int n = 2; !taken.insert(wtext::ToUpper(name)).second; ++n) {
        name = stem + L"_" + std::to_wstring(n) + L".TBL";
    }
    return name;
}

}  // namespace

void ArrangeTimetables(std::vector<PlannedTimetable>& timetables) {
    TellApart(timetables, [](const Clash& clash, std::size_t i) { return clash[i]->agencyName; });
    TellApart(timetables, [](const Clash& clash, std::size_t i) { return clash[i]->longName; });
    TellApart(timetables, OnlyStationServed);

    std::stable_sort(timetables.begin(), timetables.end(),
                     [](const PlannedTimetable& a, const PlannedTimetable& b) {
                         const std::size_t countA = WeekDepartures(a.draft);
                         const std::size_t countB = WeekDepartures(b.draft);
                         return countA != countB ? countA > countB
                                                 : a.draft.Caption() < b.draft.Caption();
                     });
    std::set<std::wstring> taken;
    for (PlannedTimetable& timetable : timetables) {
        timetable.fileName = UniqueFileName(timetable.draft, taken);
    }
}
