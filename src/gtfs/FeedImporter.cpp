#include "gtfs/FeedImporter.h"

#include <set>
#include <system_error>

#include "files/CSJisFile.h"
#include "files/PathLookup.h"
#include "gtfs/DirectionGroups.h"
#include "gtfs/FeedPeriod.h"
#include "gtfs/FeedSource.h"
#include "gtfs/FileBatch.h"
#include "gtfs/GtfsError.h"
#include "gtfs/GtfsFields.h"
#include "gtfs/ServiceCalendar.h"
#include "gtfs/ServiceWeek.h"
#include "gtfs/StopTable.h"
#include "gtfs/StopTimesScan.h"
#include "gtfs/TimetableBuilder.h"
#include "gtfs/TimetableText.h"
#include "gtfs/TimetableWriter.h"
#include "gtfs/TripDetails.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"

namespace fs = std::filesystem;

namespace {

// The nearest folder from `out` upward that holds a Holiday.dat: the data root `out` lies in.
std::optional<fs::path> DataRootHolidays(const fs::path& out) {
    std::error_code ec;
    fs::path folder = fs::weakly_canonical(fs::absolute(out, ec), ec);
    while (!folder.empty()) {
        const std::wstring root = wtext::Utf8ToWide(folder.string()) + L"/";
        const fs::path candidate = wtext::WideToUtf8(DataRootFile(root, L"Holiday.dat"));
        if (fs::is_regular_file(candidate, ec)) {
            return candidate;
        }
        if (folder == folder.parent_path()) {
            break;
        }
        folder = folder.parent_path();
    }
    return std::nullopt;
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

std::wstring UniqueFileName(const TimetableDraft& draft, std::set<std::wstring>& taken) {
    const std::wstring stem = timetable_text::SafeFileStem(draft.route + L"_" + draft.direction);
    std::wstring name = stem + L".TBL";
    for (int n = 2; !taken.insert(wtext::ToUpper(name)).second; ++n) {
        name = stem + L"_" + std::to_wstring(n) + L".TBL";
    }
    return name;
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
    report.stopTimesRows = calls.rowsRead;
    AddTripDetails(*feed, calls.trips);
    const std::map<std::string, std::string> routes = ReadRouteNames(*feed, calls.trips);
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
    FileBatch batch(request.out);
    std::set<std::wstring> taken;
    for (const DirectionGroup& group : GroupByDirection(calls.trips, stops)) {
        const std::optional<TimetableDraft> draft = builder.Build(group, routes.at(group.routeId));
        if (!draft) {
            continue;
        }
        const std::wstring name = UniqueFileName(*draft, taken);
        batch.Add(name, timetable_text::ToShiftJis(TimetableFileText(*draft),
                                                   report.substitutedCharacters));
        report.unmarkedDestinations += draft->unmarkedDestinations;
        report.files.push_back(Summary(name, *draft));
    }
    if (report.files.empty()) {
        throw GtfsError("no trips leave \"" + request.stop + "\" in the week from " +
                        gtfs::IsoDate(request.start) + OutsideServiceNote(*feed, request.start));
    }
    batch.Commit();
    return report;
}
