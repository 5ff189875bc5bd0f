// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "CliRun.h"

// Runs of `kovaris import-gtfs` on the invented feeds of tests/data/gtfs, and what `kovaris dump`
// reads back from the files written.
namespace gtfs_import {

inline const std::string kFeeds = KOVARIS_TEST_DATA "/gtfs";

inline CliRun Import(const std::string& feed, const std::filesystem::path& out,
                     std::vector<std::string> more) {
    std::vector<std::string> args = {"import-gtfs", feed, "--out", out.string()};
    args.insert(args.end(), more.begin(), more.end());
    return RunCli(args);
}

inline std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string Clock(int minutes) {
    const auto two = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return two(minutes / 60) + ":" + two(minutes % 60);
}

// A timetable file as `kovaris dump` reads it, one line per legend entry, arrival station and
// section: "a:南台行;南台", "$港南 a4 b4", "30 平日 南台方面: 07:00a 07:30a".
inline std::string ReadBack(const std::filesystem::path& file) {
    const CliRun run = RunCli({"dump", file.string()});
    if (run.status != 0) {
        return "(cannot read " + file.string() + ")";
    }
    const nlohmann::json json = nlohmann::json::parse(run.out);
    std::string text = json["title"].get<std::string>() + "\n";
    for (const auto& mark : json["legend"]) {
        text += mark["mark"].get<std::string>() + ":" + mark["name"].get<std::string>() + ";" +
                mark["shortName"].get<std::string>() + "\n";
    }
    for (const auto& station : json["arrivals"]) {
        text += "$" + station["name"].get<std::string>();
        for (const auto& travel : station["travelTimes"]) {
            text += " " + travel["mark"].get<std::string>() +
                    std::to_string(travel["minutes"].get<int>());
        }
        text += "\n";
    }
    for (const auto& section : json["sections"]) {
        text += std::to_string(section["dayMask"].get<int>()) + " " +
                section["caption1"].get<std::string>() + " " +
                section["caption2"].get<std::string>() + ":";
        for (const auto& departure : section["departures"]) {
            text +=
                " " + Clock(departure["time"].get<int>()) + departure["marks"].get<std::string>();
        }
        text += "\n";
    }
    return text;
}

}  // namespace gtfs_import
