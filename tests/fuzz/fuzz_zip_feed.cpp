// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "CsvTableChecks.h"
#include "gtfs/ZipFeed.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<ZipFeed> feed;
    try {
        feed = ZipFeed::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const GtfsError&) {
        return 0;
    }
    for (const char* name : {"stops.txt", "stop_times.txt", "trips.txt", "routes.txt",
                             "calendar.txt", "calendar_dates.txt", "feed_info.txt"}) {
        if (feed->Has(name)) {
            ReadToEndChecked(*feed, name);
        }
    }
    return 0;
}
