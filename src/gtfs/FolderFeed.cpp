// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/FolderFeed.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

#include "files/PathLookup.h"
#include "gtfs/GtfsError.h"
#include "text/WideText.h"

namespace {

class FileStream : public ByteStream {
public:
    FileStream(std::FILE* file, std::string name) : file_(file), name_(std::move(name)) {}
    ~FileStream() override { std::fclose(file_); }
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t got = std::fread(buffer, 1, size, file_);
        if (got == 0 && std::ferror(file_) != 0) {
            throw GtfsError(name_ + ": read error: " + std::strerror(errno));
        }
        return got;
    }

private:
    std::FILE* file_;
    std::string name_;
};

}  // namespace

std::filesystem::path FolderFeed::Find(std::string_view name) const {
    const std::wstring given = wtext::Utf8ToWide((folder_ / std::string(name)).string());
    return std::filesystem::path(wtext::WideToUtf8(FindPathIgnoringCase(given)));
}

bool FolderFeed::Has(std::string_view name) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(Find(name), ec);
}

std::unique_ptr<ByteStream> FolderFeed::Open(std::string_view name) const {
    if (!Has(name)) {
        return nullptr;
    }
    std::FILE* file = std::fopen(Find(name).c_str(), "rb");
    if (file == nullptr) {
        throw GtfsError(std::string(name) + ": cannot open: " + std::strerror(errno));
    }
    return std::make_unique<FileStream>(file, std::string(name));
}
