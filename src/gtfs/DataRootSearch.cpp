// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/DataRootSearch.h"

#include <system_error>

#include "files/PathLookup.h"
#include "text/WideText.h"

namespace fs = std::filesystem;

std::optional<fs::path> FindDataRootFile(const fs::path& folder, std::wstring_view name) {
    std::error_code ec;
    fs::path here = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    while (!here.empty()) {
        const std::wstring root = wtext::Utf8ToWide(here.string()) + L"/";
        const fs::path candidate = wtext::WideToUtf8(DataRootFile(root, name));
        if (fs::is_regular_file(candidate, ec)) {
            return candidate;
        }
        if (here == here.parent_path()) {
            break;
        }
        here = here.parent_path();
    }
    return std::nullopt;
}
