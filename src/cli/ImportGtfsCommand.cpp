#include "ImportGtfsCommand.h"

#include <CLI/CLI.hpp>

#include <ctime>
#include <memory>
#include <ostream>
#include <string>

#include "gtfs/FeedImporter.h"
#include "gtfs/GtfsError.h"
#include "gtfs/GtfsFields.h"
#include "text/WideText.h"

namespace {

constexpr const char* kName = "kovaris import-gtfs: ";

struct ImportOptions {
    std::string feed;
    std::string stop;
    std::string date;
    std::string holidays;
    std::string out = ".";
};

std::chrono::sys_days Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::sys_days(
        std::chrono::year_month_day{std::chrono::year(local.tm_year + 1900),
                                    std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                                    std::chrono::day(static_cast<unsigned>(local.tm_mday))});
}

// "NAME: 平日 52, 土曜・日曜・祝日 38; arrivals: A, B"
void PrintFile(std::ostream& out, const WrittenTimetable& file) {
    out << file.fileName << ":";
    const char* separator = " ";
    for (const auto& [days, departures] : file.sections) {
        out << separator << wtext::WideToUtf8(days) << " " << departures;
        separator = ", ";
    }
    out << "; arrivals:";
    separator = " ";
    for (const std::wstring& station : file.stations) {
        out << separator << wtext::WideToUtf8(station);
        separator = ", ";
    }
    out << (file.stations.empty() ? " none\n" : "\n");
}

void PrintWarnings(std::ostream& err, const ImportReport& report) {
    if (!report.holidayList) {
        err << kName << "no holiday list (--holidays, or a data root's Holiday.dat above --out): "
            << "holidays share Sunday's departures\n";
    } else if (!report.holiday) {
        err << kName << "no holiday within a year in " << report.holidayList->string()
            << ": holidays share Sunday's departures\n";
    } else {
        // Which day stood for all holidays, so that a surprising holiday section can be traced.
        err << kName << "holidays: the trips of " << gtfs::IsoDate(*report.holiday);
        if (!report.holidayName.empty()) {
            err << " (" << wtext::WideToUtf8(report.holidayName) << ")";
        }
        err << ", from " << report.holidayList->string() << "\n";
    }
    if (report.substitutedCharacters > 0) {
        err << kName << "warning: " << report.substitutedCharacters
            << " character(s) that Shift-JIS cannot hold were written as 〓\n";
    }
    if (report.untimedCalls > 0) {
        err << kName << "warning: " << report.untimedCalls
            << " call(s) at the stop without a time were left out\n";
    }
    if (report.unmarkedDestinations > 0) {
        err << kName << "warning: " << report.unmarkedDestinations
            << " destination(s) beyond the 52 mark letters have no mark\n";
    }
}

int RunImport(const ImportOptions& options, std::ostream& out, std::ostream& err) {
    ImportRequest request;
    request.feed = options.feed;
    request.stop = options.stop;
    request.start = options.date.empty() ? Today() : *gtfs::ParseIsoDate(options.date);
    if (!options.holidays.empty()) {
        request.holidays = options.holidays;
    }
    request.out = options.out;
    try {
        const ImportReport report = ImportGtfs(request);
        for (const WrittenTimetable& file : report.files) {
            PrintFile(out, file);
        }
        PrintWarnings(err, report);
        return 0;
    } catch (const GtfsError& e) {
        err << kName << e.what() << "\n";
        return 1;
    }
}

}  // namespace

void AddImportGtfsCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status) {
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command = app.add_subcommand(
        "import-gtfs", "write timetable files for one stop from a GTFS or GTFS-JP feed");
    command->add_option("FEED", options->feed, "the feed: a .zip file or a folder of .txt files")
        ->required();
    command->add_option("--stop", options->stop, "a stop_id, or a stop_name matched exactly")
        ->required();
    command->add_option("--date", options->date, "first day of the service week (default: today)")
        ->check(CLI::Validator(
            [](std::string& text) {
                return gtfs::ParseIsoDate(text) ? std::string() : "expected \"YYYY-MM-DD\"";
            },
            "YYYY-MM-DD"));
    command->add_option("--holidays", options->holidays,
                        "holiday list (Holiday.dat; default: the data root's above --out)");
    command->add_option("--out", options->out, "folder for the files (default: the current one)");
    command->footer(
        "One timetable file per route and direction serving the stop, in Shift-JIS, ready to be a\n"
        "sub-level of a data root. Each day type takes the trips of its date in the week from\n"
        "--date; a public holiday's from the first holiday of the list within a year. Prints one\n"
        "line per file: \"NAME: DAYS DEPARTURES, ...; arrivals: STATION, ...\"; the holiday taken\n"
        "and its list are named on stderr. Nothing is written when the feed has a fault; the\n"
        "message names the file, line and column.");
    command->callback([options, &out, &err, &status] { status = RunImport(*options, out, err); });
}
