// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/FeedImporter.h"

#include <set>

#include "files/CSJisFile.h"
#include "gtfs/DataRootSearch.h"
#include "gtfs/DirectionGroups.h"
#include "gtfs/FeedPeriod.h"
#include "gtfs/FeedSource.h"
#include "gtfs/FileBatch.h"
#include "gtfs/GtfsError.h"
#include "gtfs/GtfsFields.h"
#include "gtfs/ImportCatalogue.h"
#include "gtfs/RouteNames.h"
#include "gtfs/ServiceCalendar.h"
#include "gtfs/ServiceWeek.h"
#include "gtfs/StopTable.h"
#include "gtfs/StopTimesScan.h"
#include "gtfs/TimetableBuilder.h"
#include "gtfs/TimetableNames.h"
#include "gtfs/TimetableText.h"
#include "gtfs/TimetableWriter.h"
#include "gtfs/TripDetails.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"

namespace fs = std::filesystem;

namespace {

// The Holiday.dat of the data root `out` lies in.
std::optional<fs::path> DataRootHolidays(const fs::path& out) {
    return FindDataRootFile(out, L"Holiday.dat");
}

HolidayCalendar ReadHolidayList(const fs::path& path) {
    CSJisFile file;
    if (!file.Open(wtext::Utf8ToWide(path.string()), CSJisFile::Mode::Read)) {
        throw GtfsError(path.string() + ": cannot read the holiday list");
    }
    HolidayCalendar calendar;
    std::wstring line;
    while (file.ReadString(line)) {
        if (wtext::Trim(line) == L"[HOL]") {
            ReadHolidaySection(file.Lines(), calendar);
        }
    }
    return calendar;
}

std::wstring HolidayName(const HolidayCalendar& holidays, std::chrono::sys_days day) {
    const std::chrono::year_month_day date(day);
    const std::wstring* name =
        holidays.FindHoliday(static_cast<int>(static_cast<unsigned>(date.month())),
                             static_cast<int>(static_cast<unsigned>(date.day())));
    return name ? *name : std::wstring();
}

// The name the user knows the stop by: the name of the stop an id names, else the name given.
std::string StopName(const StopTable& stops, const std::string& query) {
    const std::optional<std::size_t> byId = stops.Find(query);
    return byId ? stops.At(*byId).name : query;
}

WrittenTimetable Summary(const std::wstring& name, const TimetableDraft& draft) {
    WrittenTimetable written{wtext::WideToUtf8(name), {}, {}};
    for (const DraftSection& section : draft.sections) {
        written.sections.emplace_back(section.days, section.departures.size());
    }
    for (const DraftStation& station : draft.stations) {
        written.stations.push_back(station.name);
    }
    return written;
}

// The timetables of the groups that run in the week, named and busiest first.
std::vector<PlannedTimetable> PlanTimetables(const TimetableBuilder& builder,
                                             const std::vector<DirectionGroup>& groups) {
    std::vector<PlannedTimetable> timetables;
    for (const DirectionGroup& group : groups) {
        std::optional<TimetableDraft> draft = builder.Build(group, group.routeName);
        if (draft) {
            timetables.push_back({std::move(*draft),
                                  timetable_text::FromFeed(group.agencyName),
                                  timetable_text::FromFeed(group.longName),
                                  {}});
        }
    }
    ArrangeTimetables(timetables);
    return timetables;
}

}  // namespace

ImportReport ImportGtfs(const ImportRequest& request) {
    ImportReport report;
    report.holidayList = request.holidays ? request.holidays : DataRootHolidays(request.out);
    const HolidayCalendar holidays =
        report.holidayList ? ReadHolidayList(*report.holidayList) : HolidayCalendar();

    const std::unique_ptr<FeedSource> feed = OpenFeed(request.feed);
    const StopTable stops(*feed);
    const std::vector<std::size_t> chosen = stops.Resolve(request.stop);
    StopTimesResult calls = ScanStopTimes(*feed, stops, chosen);
    report.untimedCalls = calls.untimedCalls;
    report.interpolatedCalls = calls.interpolatedCalls;
    report.noPickupCalls = calls.noPickupCalls;
    if (calls.trips.empty() && calls.untimedCalls > 0) {
        throw GtfsError("the " + std::to_string(calls.untimedCalls) + " call(s) at \"" +
                        request.stop + "\" have no time, not even between two timed stops");
    }
    report.stopTimesRows = calls.rowsRead;
    AddTripDetails(*feed, calls.trips);
    const std::map<std::string, RouteNames> routes = ReadRouteNames(*feed, calls.trips);
    std::set<std::string> services;
    for (const CallingTrip& trip : calls.trips) {
        services.insert(trip.serviceId);
    }
    const ServiceCalendar calendar(*feed, services);
    const ServiceWeek week = PlanServiceWeek(request.start, holidays);
    report.holiday = week.dates[kHolidayType];
    if (report.holiday) {
        report.holidayName = HolidayName(holidays, *report.holiday);
    }

    const std::string stopName = StopName(stops, request.stop);
    const TimetableBuilder builder(stops, week, calendar, stopName);
    const std::vector<PlannedTimetable> timetables =
        PlanTimetables(builder, GroupByDirection(calls.trips, routes, stops));
    if (timetables.empty()) {
        throw GtfsError("no trips leave \"" + request.stop + "\" in the week from " +
                        gtfs::IsoDate(request.start) + OutsideServiceNote(*feed, request.start));
    }

    FileBatch batch(request.out);
    for (const PlannedTimetable& timetable : timetables) {
        batch.Add(timetable.fileName, timetable_text::ToShiftJis(TimetableFileText(timetable.draft),
                                                                 report.substitutedCharacters));
        report.unmarkedDestinations += timetable.draft.unmarkedDestinations;
        report.files.push_back(Summary(timetable.fileName, timetable.draft));
    }
    const std::wstring stop = timetable_text::FromFeed(stopName);
    batch.Add(std::wstring(kImportCatalogueName),
              timetable_text::ToShiftJis(ImportCatalogueText(stop, timetables),
                                         report.substitutedCharacters));
    report.catalogue = wtext::WideToUtf8(kImportCatalogueName);
    report.catalogueHook = FindCatalogueHook(request.out, stop);
    report.folder = batch.Commit(request.force ? EditedFiles::Replace : EditedFiles::Keep);
    return report;
}
