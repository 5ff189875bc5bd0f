// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/ImportCatalogue.h"

#include <algorithm>
#include <system_error>

#include "catalogue/CatalogueEntry.h"
#include "catalogue/RouteConfig.h"
#include "files/PathLookup.h"
#include "gtfs/DataRootSearch.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"

namespace fs = std::filesystem;

namespace {

constexpr std::wstring_view kEol = L"\r\n";
constexpr std::wstring_view kRootConfig = L"vekt.cfg";

// A target ends at the first of these; the reader trims blanks around it.
bool CanBeTarget(const std::wstring& target) {
    const bool ends = std::any_of(target.begin(), target.end(), [](wchar_t c) {
        return wtext::IsSpace(c) || std::wstring_view(L":;").find(c) != std::wstring_view::npos;
    });
    const std::optional<std::string> bytes = ToSJisStrict(target);
    return !ends && bytes && ToWide(*bytes) == target;
}

// The same path to the reader: "\" or "/", any case.
std::wstring PathKey(std::wstring_view target) {
    const fs::path path = wtext::WideToUtf8(ToNativeSeparators(target));
    return wtext::ToUpper(wtext::Utf8ToWide(path.lexically_normal().generic_string()));
}

// Whether the root configuration has a sub-level line for `target` (relative to the root).
bool Names(const fs::path& rootConfig, const std::wstring& target) {
    std::vector<CatalogueEntry> entries;
    HolidayCalendar holidays;
    if (ParseRouteConfig(wtext::Utf8ToWide(rootConfig.string()), entries, holidays) <= 0) {
        return false;
    }
    return std::any_of(entries.begin(), entries.end(), [&target](const CatalogueEntry& entry) {
        // A leading separator means the data root too, which the root's names start from.
        std::wstring_view written = entry.target;
        if (written.starts_with(L'\\') || written.starts_with(L'/')) {
            written.remove_prefix(1);
        }
        return entry.kind == EntryKind::Node && PathKey(written) == PathKey(target);
    });
}

}  // namespace

std::wstring ImportCatalogueText(std::wstring_view stop,
                                 const std::vector<PlannedTimetable>& timetables) {
    std::wstring text = L"; " + std::wstring(stop) + std::wstring(kEol);
    for (const PlannedTimetable& timetable : timetables) {
        const std::wstring caption = timetable.draft.Caption();
        // The reader takes one more ":" or ";" after the separator as part of it.
        const bool guard = caption.starts_with(L':') || caption.starts_with(L';');
        text.append(timetable.fileName).append(guard ? L"::" : L":").append(caption).append(kEol);
    }
    return text;
}

std::optional<CatalogueHook> FindCatalogueHook(const fs::path& out, std::wstring_view caption) {
    std::optional<fs::path> marker = FindDataRootFile(out, kRootConfig);
    if (!marker) {
        marker = FindDataRootFile(out, L"Holiday.dat");
    }
    if (!marker) {
        return std::nullopt;
    }
    const fs::path root = marker->parent_path();
    CatalogueHook hook;
    hook.rootConfig =
        wtext::WideToUtf8(DataRootFile(wtext::Utf8ToWide(root.string()) + L"/", kRootConfig));
    std::error_code ec;
    const fs::path folder = fs::weakly_canonical(fs::absolute(out, ec), ec);
    const std::wstring target = wtext::Utf8ToWide(
        (folder.lexically_relative(root) / wtext::WideToUtf8(kImportCatalogueName))
            .lexically_normal()
            .generic_string());
    if (CanBeTarget(target)) {
        hook.line = L"/" + target + L" " + std::wstring(caption);
        hook.listed = Names(hook.rootConfig, target);
    }
    return hook;
}
