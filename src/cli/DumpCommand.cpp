// SPDX-License-Identifier: GPL-3.0-or-later
#include "DumpCommand.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>
#include <ostream>
#include <string>

#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "text/EncodingCheck.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

namespace {

// Keys in the order a reader expects them, not alphabetical.
using Json = nlohmann::ordered_json;

std::string Utf8(std::wstring_view text) {
    return wtext::WideToUtf8(text);
}
std::string Utf8(wchar_t c) {
    return wtext::WideToUtf8(std::wstring_view(&c, 1));
}

Json LegendJson(const MarkLegend& legend) {
    Json out = Json::array();
    for (const auto& [mark, entry] : legend) {
        out.push_back({{"mark", Utf8(mark)},
                       {"name", Utf8(entry.name)},
                       {"shortName", Utf8(entry.shortName)}});
    }
    return out;
}

Json ArrivalsJson(const std::vector<ArrivalStation>& arrivals) {
    Json out = Json::array();
    for (const ArrivalStation& station : arrivals) {
        Json travelTimes = Json::array();
        for (const TravelTime& travel : station.travelTimes) {
            travelTimes.push_back({{"mark", Utf8(travel.mark)}, {"minutes", travel.minutes}});
        }
        out.push_back({{"name", Utf8(station.name)},
                       {"target", Utf8(station.target)},
                       {"transferMinutes", station.transferMinutes},
                       {"travelTimes", std::move(travelTimes)}});
    }
    return out;
}

Json SectionsJson(const std::vector<DaySection>& sections) {
    Json out = Json::array();
    for (const DaySection& section : sections) {
        Json departures = Json::array();
        for (const Departure& departure : section.departures) {
            departures.push_back({{"marks", Utf8(departure.marks)}, {"time", departure.time}});
        }
        out.push_back({{"dayMask", section.dayMask},
                       {"caption1", Utf8(section.caption1)},
                       {"caption2", Utf8(section.caption2)},
                       {"hourIndex", section.hourIndex},
                       {"departures", std::move(departures)}});
    }
    return out;
}

bool IsLeaf(const Json& json) {
    for (const Json& child : json) {
        if (child.is_structured()) {
            return false;
        }
    }
    return true;
}

// An object or array of plain values on one line, spaced like the rest of the output.
void PrintLeaf(const Json& json, std::ostream& out) {
    if (!json.is_structured()) {
        out << json.dump();
        return;
    }
    const bool object = json.is_object();
    out << (object ? "{" : "[");
    const char* separator = "";
    for (auto it = json.begin(); it != json.end(); ++it) {
        out << separator;
        if (object) {
            out << Json(it.key()).dump() << ": ";
        }
        out << it->dump();
        separator = ", ";
    }
    out << (object ? "}" : "]");
}

// Indented like dump(2), except that objects and arrays holding only plain values stay on one
// line: a departure or the 32 hour slots then read as one row each.
void Print(const Json& json, std::ostream& out, int indent) {
    if (!json.is_structured() || IsLeaf(json)) {
        PrintLeaf(json, out);
        return;
    }
    const bool object = json.is_object();
    const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
    out << (object ? "{" : "[");
    const char* separator = "\n";
    for (auto it = json.begin(); it != json.end(); ++it) {
        out << separator << inner;
        if (object) {
            out << Json(it.key()).dump() << ": ";
        }
        Print(*it, out, indent + 2);
        separator = ",\n";
    }
    out << "\n" << std::string(static_cast<std::size_t>(indent), ' ') << (object ? "}" : "]");
}

struct DumpOptions {
    int dayChangeHour = 2;
    std::string file;
};

int RunDump(const DumpOptions& options, std::ostream& out, std::ostream& err) {
    AppSettings settings;
    settings.dayChgHour = options.dayChangeHour;
    const ColorTable colors;
    const HolidayCalendar holidays;
    Timetable timetable(settings, colors, holidays);
    if (!timetable.LoadTimetable(wtext::Utf8ToWide(options.file))) {
        err << "kovaris dump: cannot read " << options.file << "\n";
        return 1;
    }
    if (timetable.writtenInUtf8) {
        err << "kovaris dump: warning: " << options.file
            << " is written in UTF-8, not Shift-JIS, and reads as garbage; convert it with: "
            << Utf8(Utf8ToSJisCommand(timetable.path)) << "\n";
    }
    const Json json = {{"title", Utf8(timetable.title)},
                       {"legend", LegendJson(timetable.legend)},
                       {"arrivals", ArrivalsJson(timetable.arrivals)},
                       {"sections", SectionsJson(timetable.sections)}};
    Print(json, out, 0);
    out << "\n";
    return 0;
}

}  // namespace

void AddDumpCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status) {
    auto options = std::make_shared<DumpOptions>();
    CLI::App* dump = app.add_subcommand("dump", "Print a timetable file as the program reads it");
    dump->add_option("--day-change-hour", options->dayChangeHour,
                     "Hours at or below this count as after midnight")
        ->capture_default_str();
    dump->add_option("FILE", options->file, "Timetable file (.TBL)")->required();
    dump->callback([options, &out, &err, &status] { status = RunDump(*options, out, err); });
}
