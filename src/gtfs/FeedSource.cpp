// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/FeedSource.h"

#include <system_error>

#include "gtfs/FolderFeed.h"
#include "gtfs/GtfsError.h"
#include "gtfs/ZipFeed.h"

std::unique_ptr<FeedSource> OpenFeed(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return std::make_unique<FolderFeed>(path);
    }
    if (std::filesystem::is_regular_file(path, ec)) {
        return std::make_unique<ZipFeed>(path);
    }
    throw GtfsError(path.string() + ": no such feed (a .zip file or a folder of .txt files)");
}
