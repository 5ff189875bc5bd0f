#include "gtfs/ZipFeed.h"

#include <zip.h>

#include <string>

#include "gtfs/GtfsError.h"

namespace {

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

}  // namespace

ZipFeed::ZipFeed(const std::filesystem::path& file) {
    int error = 0;
    archive_ = zip_open(file.c_str(), ZIP_RDONLY, &error);
    if (archive_ == nullptr) {
        zip_error_t details;
        zip_error_init_with_code(&details, error);
        const std::string reason = zip_error_strerror(&details);
        zip_error_fini(&details);
        throw GtfsError(file.string() + ": not a readable zip file: " + reason);
    }
}

ZipFeed::~ZipFeed() {
    zip_discard(archive_);
}

long long ZipFeed::Locate(std::string_view name) const {
    // ZIP_FL_NODIR also finds "feed/stops.txt" for feeds zipped together with their folder.
    return zip_name_locate(archive_, std::string(name).c_str(), ZIP_FL_NOCASE | ZIP_FL_NODIR);
}

bool ZipFeed::Has(std::string_view name) const {
    return Locate(name) >= 0;
}

std::unique_ptr<ByteStream> ZipFeed::Open(std::string_view name) const {
    const long long index = Locate(name);
    if (index < 0) {
        return nullptr;
    }
    zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr) {
        throw GtfsError(std::string(name) + ": cannot unpack: " + zip_strerror(archive_));
    }
    return std::make_unique<ZipEntryStream>(file, std::string(name));
}
