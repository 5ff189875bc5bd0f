// SPDX-License-Identifier: GPL-3.0-or-later
// Route configuration files come from users' editors: any bytes must parse without a crash, and
// every entry must keep the shape the catalogue relies on.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "catalogue/RouteConfig.h"
#include "files/SJisLines.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SJisLines lines(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<CatalogueEntry> entries;
    HolidayCalendar holidays;
    ParseRouteConfigLines(lines, entries, holidays);
    for (const CatalogueEntry& entry : entries) {
        Check(entry.baseDir.empty());
        Check(entry.target.find_first_of(L":; \t") == std::wstring::npos);
        Check(wtext::Trim(entry.target).size() == entry.target.size());
        Check(entry.kind >= EntryKind::Node && entry.kind <= EntryKind::Preferred);
    }
    return 0;
}
