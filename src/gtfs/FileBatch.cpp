#include "gtfs/FileBatch.h"

#include <system_error>

#include "files/CSJisFile.h"
#include "gtfs/GtfsError.h"
#include "text/WideText.h"

FileBatch::FileBatch(std::filesystem::path folder) : folder_(std::move(folder)) {}

FileBatch::~FileBatch() {
    std::error_code ec;
    for (const Pending& file : pending_) {
        std::filesystem::remove(file.temporary, ec);
    }
}

void FileBatch::Add(const std::wstring& name, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (!std::filesystem::is_directory(folder_, ec)) {
        throw GtfsError(folder_.string() + ": cannot create the output folder");
    }
    // Hidden, so the catalogue never lists a file half written.
    const std::filesystem::path temporary = folder_ / wtext::WideToUtf8(L"." + name + L".tmp");
    pending_.push_back({temporary, folder_ / wtext::WideToUtf8(name)});
    CSJisFile file;
    const bool written = file.Open(wtext::Utf8ToWide(temporary.string()), CSJisFile::Mode::Write) &&
                         file.Write(bytes);
    if (!file.Close() || !written) {
        throw GtfsError(temporary.string() + ": cannot write");
    }
}

void FileBatch::Commit() {
    for (const Pending& file : pending_) {
        std::error_code ec;
        std::filesystem::rename(file.temporary, file.final, ec);
        if (ec) {
            throw GtfsError(file.final.string() + ": cannot write: " + ec.message());
        }
    }
    pending_.clear();
}
