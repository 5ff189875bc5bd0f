// SPDX-License-Identifier: GPL-3.0-or-later
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
    bool force = false;
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
    if (report.interpolatedCalls > 0) {
        err << kName << report.interpolatedCalls
            << " call(s) at the stop without a time were timed between the stops around them\n";
    }
    if (report.noPickupCalls > 0) {
        err << kName << report.noPickupCalls
            << " call(s) where riders cannot board (pickup_type 1) were left out\n";
    }
    if (report.unmarkedDestinations > 0) {
        err << kName << "warning: " << report.unmarkedDestinations
            << " destination(s) beyond the 52 mark letters have no mark\n";
    }
}

// Printed apart from the lines of the files written, which stay one per file produced.
void PrintFolderChanges(std::ostream& err, const BatchOutcome& folder) {
    for (const std::string& name : folder.keptEdited) {
        err << kName << "warning: " << name
            << " was edited since the last import and is kept; --force replaces it\n";
    }
    for (const std::string& name : folder.keptForeign) {
        err << kName << "warning: " << name
            << " was not written by an earlier import and is kept; --force replaces it\n";
    }
    for (const std::string& name : folder.removed) {
        err << kName << name << " is no longer written and was removed\n";
    }
    for (const std::string& name : folder.keptStale) {
        err << kName << "warning: " << name
            << " is no longer written but was edited since the last import; it is kept\n";
    }
}

// Captions show only where the data root's vekt.cfg names the route configuration written.
void PrintCatalogueHint(std::ostream& err, const ImportReport& report) {
    if (!report.catalogueHook) {
        err << kName << "to list these files by caption in configuration mode, add to the data "
            << "root's vekt.cfg: /FOLDER/" << report.catalogue
            << " CAPTION, FOLDER being --out's path from the data root\n";
        return;
    }
    const CatalogueHook& hook = *report.catalogueHook;
    if (hook.listed) {
        return;
    }
    if (hook.line.empty()) {
        err << kName << "warning: " << hook.rootConfig.string() << " cannot name "
            << report.catalogue
            << " in --out: its path holds a blank, ':', ';' or a character Shift-JIS lacks\n";
        return;
    }
    err << kName << "to list these files by caption in configuration mode, add to "
        << hook.rootConfig.string() << ": " << wtext::WideToUtf8(hook.line) << "\n";
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
    request.force = options.force;
    try {
        const ImportReport report = ImportGtfs(request);
        for (const WrittenTimetable& file : report.files) {
            PrintFile(out, file);
        }
        PrintFolderChanges(err, report.folder);
        PrintCatalogueHint(err, report);
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
    command->add_flag("--force", options->force,
                      "replace also files edited since the last import or not written by one");
    command->footer(
        "One timetable file per route (as riders know it) and direction serving the stop, in\n"
        "Shift-JIS, ready to be a sub-level of a data root, and import.cfg listing them by\n"
        "caption, busiest first. Each day type takes the trips of its date in the week from\n"
        "--date; a public holiday's from the first holiday of the list within a year. Prints one\n"
        "line per file: \"NAME: DAYS DEPARTURES, ...; arrivals: STATION, ...\"; the holiday taken\n"
        "and its list are named on stderr. Nothing is written when the feed has a fault; the\n"
        "message names the file, line and column.\n"
        "A later import into the same folder replaces the files the last one wrote (listed in\n"
        "its hidden .import-manifest) and removes those it no longer writes; a file edited since,\n"
        "or not written by an import, is kept with a warning unless --force is given. A failure\n"
        "part-way leaves the folder as it was.");
    command->callback([options, &out, &err, &status] { status = RunImport(*options, out, err); });
}
