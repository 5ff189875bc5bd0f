// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string_view>

// The bytes of one file of a feed, read front to back.
class ByteStream {
public:
    virtual ~ByteStream() = default;
    // Up to `size` bytes into `buffer`; 0 at the end. Throws GtfsError on a read error.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// A feed's files, whether they lie in a folder or in a zip file. Names are matched without
// regard to case, as feeds are often packed on systems that ignore it.
class FeedSource {
public:
    virtual ~FeedSource() = default;
    virtual bool Has(std::string_view name) const = 0;
    // nullptr when the feed has no such file.
    virtual std::unique_ptr<ByteStream> Open(std::string_view name) const = 0;
};

// A folder of .txt files or a .zip file; throws GtfsError when `path` is neither.
std::unique_ptr<FeedSource> OpenFeed(const std::filesystem::path& path);
