// Route configuration files come from users' editors: any bytes must parse without a crash, and
// every entry must keep the shape the catalogue relies on.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/RouteConfig.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"

namespace {

// One scratch file per process, removed when the run ends.
struct ScratchFile {
    std::string path = "/tmp/fuzz_route_config." + std::to_string(getpid()) + ".cfg";
    ~ScratchFile() { std::remove(path.c_str()); }
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch;
    static const std::wstring path = wtext::Utf8ToWide(scratch.path);
    std::FILE* file = std::fopen(scratch.path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    std::vector<CatalogueEntry> entries;
    HolidayCalendar holidays;
    const int count = ParseRouteConfig(path, entries, holidays);
    Check(count == static_cast<int>(entries.size()));
    for (const CatalogueEntry& entry : entries) {
        Check(entry.baseDir.empty());
        Check(entry.target.find_first_of(L":; \t") == std::wstring::npos);
        Check(wtext::Trim(entry.target).size() == entry.target.size());
        Check(entry.kind >= EntryKind::Node && entry.kind <= EntryKind::Preferred);
    }
    return 0;
}
