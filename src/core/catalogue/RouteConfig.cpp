// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/RouteConfig.h"

#include <algorithm>
#include <array>

#include "files/CSJisFile.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"

namespace {

struct Prefix {
    std::wstring_view text;
    EntryKind kind;
};

// Tested in this order, and only one is taken: "/A>x" is a sub-level named "A>x".
constexpr std::array<Prefix, 6> kPrefixes = {{
    {L"/", EntryKind::Node},
    {L"A>", EntryKind::Morning},
    {L"a>", EntryKind::Morning},
    {L"P>", EntryKind::Afternoon},
    {L"p>", EntryKind::Afternoon},
    {L">", EntryKind::Preferred},
}};

std::size_t FindSeparator(std::wstring_view text) {
    return text.find_first_of(L":; \t");
}

}  // namespace

bool IsRouteConfigHolidayHeader(std::wstring_view line) {
    const std::wstring_view trimmed = wtext::Trim(line);
    return trimmed.size() == 5 && wtext::ToUpper(trimmed) == L"[HOL]";
}

CatalogueEntry ParseRouteConfigLine(std::wstring_view line) {
    CatalogueEntry entry;
    std::wstring_view text = wtext::Trim(line);
    for (const Prefix& prefix : kPrefixes) {
        if (text.starts_with(prefix.text)) {
            entry.kind = prefix.kind;
            text = wtext::Trim(text.substr(prefix.text.size()));
            break;
        }
    }
    const std::size_t separator = FindSeparator(text);
    if (separator == std::wstring_view::npos) {
        // Without a separator the name is its own caption, and a sub-level gets no marker.
        entry.target = std::wstring(text);
        entry.caption = entry.target;
        return entry;
    }
    entry.target = std::wstring(wtext::Trim(text.substr(0, separator)));
    std::wstring_view caption = wtext::Trim(text.substr(separator + 1));
    if (caption.starts_with(L':') || caption.starts_with(L';')) {
        caption = wtext::Trim(caption.substr(1));
    }
    entry.caption = std::wstring(caption);
    if (entry.kind == EntryKind::Node) {
        entry.caption.insert(0, kNodeMarker);
    }
    return entry;
}

int ParseRouteConfig(std::wstring_view path, std::vector<CatalogueEntry>& entries,
                     HolidayCalendar& holidays) {
    CSJisFile file;
    if (!file.Open(path, CSJisFile::Mode::Read)) {
        return -1;
    }
    const bool holidaySection = ParseRouteConfigLines(file.Lines(), entries, holidays);
    // A read error before the holiday section may have cut the entry lines short.
    if (!holidaySection && !file.Good()) {
        return -1;
    }
    return static_cast<int>(entries.size());
}

bool ParseRouteConfigLines(SJisLines& lines, std::vector<CatalogueEntry>& entries,
                           HolidayCalendar& holidays) {
    entries.clear();
    std::wstring line;
    while (lines.ReadString(line)) {
        const std::wstring_view trimmed = wtext::Trim(line);
        if (trimmed.empty() || trimmed.front() == L';') {
            continue;
        }
        if (IsRouteConfigHolidayHeader(trimmed)) {
            ReadHolidaySection(lines, holidays);
            return true;
        }
        entries.push_back(ParseRouteConfigLine(trimmed));
    }
    return false;
}
