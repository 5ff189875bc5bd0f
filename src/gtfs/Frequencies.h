// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include "gtfs/CallingTrip.h"

class FeedSource;

// One row of frequencies.txt: the trip runs from `start` while before `end`, every `headway`
// seconds, keeping the template trip's offsets from its first stop.
struct Headway {
    int start = 0;
    int end = 0;
    int headway = 0;
};

// The headways of the trips in `tripIds` (sorted), from frequencies.txt when the feed has it.
// Throws GtfsError on a malformed row. Both exact_times values are read the same way: a
// timetable lists the departures either way.
std::map<std::string, std::vector<Headway>> ReadHeadways(const FeedSource& feed,
                                                         const std::vector<std::string>& tripIds);

// The departures of a template trip that leaves its first stop at `firstTime`, repeated by
// `headways`: each departure once per repetition, its times moved along.
std::vector<CallingTrip> RepeatByHeadways(const std::vector<CallingTrip>& departures, int firstTime,
                                          const std::vector<Headway>& headways);
