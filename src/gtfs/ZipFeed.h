#pragma once

#include <filesystem>

#include "gtfs/FeedSource.h"

struct zip;

// A feed as published: a zip file whose .txt files may also sit in one folder inside it.
class ZipFeed : public FeedSource {
public:
    // Throws GtfsError when the file is no readable zip file.
    explicit ZipFeed(const std::filesystem::path& file);
    ~ZipFeed() override;
    ZipFeed(const ZipFeed&) = delete;
    ZipFeed& operator=(const ZipFeed&) = delete;

    bool Has(std::string_view name) const override;
    std::unique_ptr<ByteStream> Open(std::string_view name) const override;

private:
    long long Locate(std::string_view name) const;

    zip* archive_ = nullptr;
};
