// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/ZipFeed.h"

#include <zip.h>

#include <algorithm>
#include <set>
#include <string>

#include "gtfs/GtfsError.h"

namespace {

// The file that tells where a feed lies: every feed has one.
constexpr std::string_view kMarkerFile = "stops.txt";

class ZipEntryStream : public ByteStream {
public:
    ZipEntryStream(zip_file_t* file, std::string name) : file_(file), name_(std::move(name)) {}
    ~ZipEntryStream() override { zip_fclose(file_); }
    ZipEntryStream(const ZipEntryStream&) = delete;
    ZipEntryStream& operator=(const ZipEntryStream&) = delete;

    std::size_t Read(char* buffer, std::size_t size) override {
        const zip_int64_t got = zip_fread(file_, buffer, size);
        if (got < 0) {
            throw GtfsError(name_ + ": cannot unpack: " + zip_file_strerror(file_));
        }
        return static_cast<std::size_t>(got);
    }

private:
    zip_file_t* file_;
    std::string name_;
};

// The text of `error`, which it then releases.
std::string Reason(zip_error_t& error) {
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// "a/, b/ and ./"
std::string ListFolders(const std::set<std::string>& folders) {
    std::string text;
    std::size_t listed = 0;
    for (const std::string& folder : folders) {
        if (listed > 0) {
            text += listed + 1 == folders.size() ? " and " : ", ";
        }
        text += folder.empty() ? "./" : folder;
        ++listed;
    }
    return text;
}

}  // namespace

void ZipFeed::Discard::operator()(zip* archive) const {
    zip_discard(archive);
}

ZipFeed::ZipFeed(const std::filesystem::path& file) {
    int code = 0;
    archive_.reset(zip_open(file.c_str(), ZIP_RDONLY, &code));
    if (!archive_) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        throw GtfsError(file.string() + ": not a readable zip file: " + Reason(error));
    }
    FindFeedFolder(file.string());
}

std::unique_ptr<ZipFeed> ZipFeed::FromBytes(std::string bytes) {
    std::unique_ptr<ZipFeed> feed(new ZipFeed());
    feed->bytes_ = std::move(bytes);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(feed->bytes_.data(), feed->bytes_.size(), 0, &error);
    if (source != nullptr) {
        feed->archive_.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
        if (!feed->archive_) {
            zip_source_free(source);
        }
    }
    if (!feed->archive_) {
        throw GtfsError("not a readable zip file: " + Reason(error));
    }
    zip_error_fini(&error);
    feed->FindFeedFolder("the zip file");
    return feed;
}

ZipFeed::~ZipFeed() = default;

// The folder of the one stops.txt; several of them mean several feeds, which would mix.
void ZipFeed::FindFeedFolder(const std::string& shownName) {
    std::set<std::string> folders;
    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* entry = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), 0);
        if (entry == nullptr) {
            continue;
        }
        const std::string_view path(entry);
        const std::size_t slash = path.rfind('/');
        const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
        if (SameIgnoringCase(path.substr(nameStart), kMarkerFile)) {
            folders.emplace(path.substr(0, nameStart));
        }
    }
    if (folders.size() > 1) {
        throw GtfsError(shownName + " holds several feeds (" + std::string(kMarkerFile) + " in " +
                        ListFolders(folders) + "); unpack it and import one of its folders");
    }
    if (!folders.empty()) {
        folder_ = *folders.begin();
    }
}

long long ZipFeed::Locate(std::string_view name) const {
    return zip_name_locate(archive_.get(), (folder_ + std::string(name)).c_str(), ZIP_FL_NOCASE);
}

bool ZipFeed::Has(std::string_view name) const {
    return Locate(name) >= 0;
}

std::unique_ptr<ByteStream> ZipFeed::Open(std::string_view name) const {
    const long long index = Locate(name);
    if (index < 0) {
        return nullptr;
    }
    zip_file_t* file = zip_fopen_index(archive_.get(), static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr) {
        throw GtfsError(std::string(name) + ": cannot unpack: " + zip_strerror(archive_.get()));
    }
    return std::make_unique<ZipEntryStream>(file, std::string(name));
}
