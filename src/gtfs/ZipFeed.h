// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "gtfs/FeedSource.h"

struct zip;

// A feed as published: a zip file whose .txt files may also sit in one folder inside it. A zip
// file holding several feeds, each in a folder of its own, is refused rather than mixed.
class ZipFeed : public FeedSource {
public:
    // Throws GtfsError when the file is no readable zip file or holds several feeds.
    explicit ZipFeed(const std::filesystem::path& file);
    // The same for the bytes of a zip file held in memory.
    static std::unique_ptr<ZipFeed> FromBytes(std::string bytes);
    ~ZipFeed() override;
    ZipFeed(const ZipFeed&) = delete;
    ZipFeed& operator=(const ZipFeed&) = delete;

    bool Has(std::string_view name) const override;
    std::unique_ptr<ByteStream> Open(std::string_view name) const override;

private:
    struct Discard {
        void operator()(zip* archive) const;
    };

    ZipFeed() = default;
    void FindFeedFolder(const std::string& shownName);
    long long Locate(std::string_view name) const;

    std::string bytes_;  // the zip file itself when it came from memory; the archive reads it
    std::unique_ptr<zip, Discard> archive_;
    std::string folder_;  // where the feed's files lie: "" or "rail/"
};
