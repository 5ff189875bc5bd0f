// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class FeedSource;

struct Stop {
    std::string id;
    std::string name;
    std::string parentStation;
    bool isStation = false;  // location_type 1: stands for the platforms inside it
};

// stops.txt: every stop of the feed, found by id.
class StopTable {
public:
    explicit StopTable(const FeedSource& feed);
    // The id index points into the stops, so the table stays where it was built.
    StopTable(const StopTable&) = delete;
    StopTable& operator=(const StopTable&) = delete;

    std::optional<std::size_t> Find(std::string_view id) const;
    const Stop& At(std::size_t index) const { return stops_[index]; }

    // The stops a user's STOP stands for: the stop with that id, else every stop of that exact
    // name; a station stands for its platforms too. Throws GtfsError, with up to five similar
    // names, when nothing matches.
    std::vector<std::size_t> Resolve(std::string_view query) const;

private:
    void AddPlatformsOf(std::size_t station, std::vector<std::size_t>& found) const;

    std::vector<Stop> stops_;
    std::unordered_map<std::string_view, std::size_t> byId_;
};
