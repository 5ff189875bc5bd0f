// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "gtfs/FeedSource.h"

// A feed unpacked into a folder.
class FolderFeed : public FeedSource {
public:
    explicit FolderFeed(std::filesystem::path folder) : folder_(std::move(folder)) {}

    bool Has(std::string_view name) const override;
    std::unique_ptr<ByteStream> Open(std::string_view name) const override;

private:
    std::filesystem::path Find(std::string_view name) const;

    std::filesystem::path folder_;
};
