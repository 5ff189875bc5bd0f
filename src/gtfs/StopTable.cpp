// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/StopTable.h"

#include <algorithm>

#include "gtfs/CsvTable.h"
#include "gtfs/GtfsError.h"
#include "gtfs/SimilarNames.h"

StopTable::StopTable(const FeedSource& feed) {
    CsvTable table(feed, "stops.txt");
    const std::size_t id = table.Column("stop_id");
    const std::size_t name = table.Column("stop_name");
    const std::optional<std::size_t> type = table.FindColumn("location_type");
    const std::optional<std::size_t> parent = table.FindColumn("parent_station");
    while (table.Next()) {
        stops_.push_back({std::string(table.Field(id)), std::string(table.Field(name)),
                          std::string(table.Field(parent)), table.Field(type) == "1"});
    }
    byId_.reserve(stops_.size());
    for (std::size_t i = 0; i < stops_.size(); ++i) {
        byId_.emplace(stops_[i].id, i);
    }
}

std::optional<std::size_t> StopTable::Find(std::string_view id) const {
    const auto it = byId_.find(id);
    return it == byId_.end() ? std::nullopt : std::optional<std::size_t>(it->second);
}

std::vector<std::size_t> StopTable::Resolve(std::string_view query) const {
    std::vector<std::size_t> found;
    if (const std::optional<std::size_t> byId = Find(query)) {
        found.push_back(*byId);
    } else {
        for (std::size_t i = 0; i < stops_.size(); ++i) {
            if (stops_[i].name == query) {
                found.push_back(i);
            }
        }
    }
    if (found.empty()) {
        std::vector<std::string_view> names;
        names.reserve(stops_.size());
        for (const Stop& stop : stops_) {
            names.push_back(stop.name);
        }
        std::string message = "no stop with the id or name \"" + std::string(query) + "\"";
        const std::vector<std::string> similar = SimilarNames(query, names, 5);
        for (std::size_t i = 0; i < similar.size(); ++i) {
            message += (i == 0 ? "; similar names: " : ", ") + similar[i];
        }
        throw GtfsError(message);
    }
    const std::size_t matched = found.size();
    for (std::size_t i = 0; i < matched; ++i) {
        if (stops_[found[i]].isStation) {
            AddPlatformsOf(found[i], found);
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

void StopTable::AddPlatformsOf(std::size_t station, std::vector<std::size_t>& found) const {
    for (std::size_t i = 0; i < stops_.size(); ++i) {
        if (stops_[i].parentStation == stops_[station].id) {
            found.push_back(i);
        }
    }
}
