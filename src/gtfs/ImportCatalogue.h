// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gtfs/TimetableNames.h"

// The route configuration an import writes beside its timetables, so that the catalogue lists
// them by caption, busiest first.
inline constexpr std::wstring_view kImportCatalogueName = L"import.cfg";

// A comment naming the stop, then one entry line "FILE:CAPTION" per timetable in their order
// (CR LF). The targets need no folder: a sub-level's names are relative to its own folder.
std::wstring ImportCatalogueText(std::wstring_view stop,
                                 const std::vector<PlannedTimetable>& timetables);

struct CatalogueHook {
    std::filesystem::path rootConfig;  // the data root's vekt.cfg; it need not exist yet
    std::wstring line;                 // the sub-level line naming the catalogue; empty if none can
    bool listed = false;               // rootConfig names the catalogue already
};

// How the data root that `out` lies in (the nearest folder holding vekt.cfg, else Holiday.dat)
// reaches the catalogue written into `out`, as a sub-level captioned `caption`; none when `out`
// lies in no data root.
std::optional<CatalogueHook> FindCatalogueHook(const std::filesystem::path& out,
                                               std::wstring_view caption);
