// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/FileBatch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <set>
#include <system_error>

#include "files/RegularFile.h"
#include "files/SaveSteps.h"
#include "gtfs/FolderTransaction.h"
#include "gtfs/GtfsError.h"
#include "text/WideText.h"

namespace {

constexpr int kNameAttempts = 16;

enum class Found { Nothing, AsWritten, Edited, Foreign };

// What the folder holds at `name`, against what the last import wrote there. Anything that is
// not a regular file the import's digest matches (a link, a folder, an unreadable file) counts
// as changed by the user.
Found Examine(const std::filesystem::path& folder, const std::string& name,
              const ImportManifest& earlier) {
    const std::filesystem::path path = folder / name;
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 && errno == ENOENT) {
        return Found::Nothing;
    }
    const std::optional<std::string> digest = earlier.Find(name);
    if (!digest) {
        return Found::Foreign;
    }
    std::string bytes;
    const bool read = S_ISREG(status.st_mode) &&
                      ReadRegularFile(wtext::Utf8ToWide(path.string()), bytes) == FileRead::Ok;
    return read && ImportManifest::DigestOf(bytes) == *digest ? Found::AsWritten : Found::Edited;
}

}  // namespace

FileBatch::FileBatch(std::filesystem::path folder) : folder_(std::move(folder)) {}

FileBatch::~FileBatch() {
    RemoveTemporaries();
}

void FileBatch::RemoveTemporaries() {
    for (const Pending& file : pending_) {
        if (!file.temporary.empty()) {
            ::unlink((folder_ / file.temporary).c_str());
        }
    }
    pending_.clear();
}

void FileBatch::Add(const std::wstring& name, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (!std::filesystem::is_directory(folder_, ec)) {
        throw GtfsError(folder_.string() + ": cannot create the output folder");
    }
    pending_.push_back(WriteTemporary(wtext::WideToUtf8(name), bytes));
}

// Hidden, so the catalogue never lists a file half written; created anew, never through a name
// already there (a leftover of a killed run, a planted link), which makes way for another name.
FileBatch::Pending FileBatch::WriteTemporary(const std::string& name,
                                             std::string_view bytes) const {
    SaveSteps steps;
    int error = 0;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = FolderTransaction::HiddenName(name, ".tmp", attempt);
        const std::filesystem::path path = folder_ / temporary;
        std::FILE* file = steps.Create(path.string());
        if (file == nullptr) {
            error = errno;
            if (error == EEXIST || error == ENAMETOOLONG) {
                continue;
            }
            break;
        }
        // Synced before it takes its name, so a crash never leaves the name with an empty file.
        const bool written = steps.Write(file, bytes) && steps.Flush(file) && steps.Sync(file);
        const bool closed = std::fclose(file) == 0;
        if (!written || !closed) {
            ::unlink(path.c_str());
            throw GtfsError(path.string() + ": cannot write");
        }
        return {temporary, name, ImportManifest::DigestOf(bytes)};
    }
    throw GtfsError((folder_ / name).string() + ": cannot write: " + std::strerror(error));
}

FileBatch::Plan FileBatch::PlanCommit(EditedFiles edited) const {
    const ImportManifest earlier = ImportManifest::Read(folder_);
    const bool keep = edited == EditedFiles::Keep;
    Plan plan;
    std::set<std::string> written;
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        const Pending& file = pending_[i];
        written.insert(file.name);
        const Found found = Examine(folder_, file.name, earlier);
        if (keep && found == Found::Edited) {
            plan.outcome.keptEdited.push_back(file.name);
            // Listed as it was written, so the next import knows the file as edited too.
            plan.manifest.Set(file.name, *earlier.Find(file.name));
        } else if (keep && found == Found::Foreign) {
            plan.outcome.keptForeign.push_back(file.name);
        } else {
            plan.replaced.push_back(i);
            plan.manifest.Set(file.name, file.digest);
        }
    }
    for (const auto& [name, digest] : earlier.Files()) {
        if (written.contains(name)) {
            continue;
        }
        const Found found = Examine(folder_, name, earlier);
        if (found == Found::AsWritten) {
            plan.removed.push_back(name);
            plan.outcome.removed.push_back(name);
        } else if (found == Found::Edited) {
            plan.outcome.keptStale.push_back(name);
        }
    }
    return plan;
}

// The manifest goes last: until it has its name the folder's manifest describes the folder as it
// was before.
void FileBatch::Apply(const Plan& plan) {
    pending_.push_back(
        WriteTemporary(std::string(ImportManifest::kFileName), plan.manifest.Text()));
    const std::size_t manifest = pending_.size() - 1;
    FolderTransaction::Sync(folder_);
    FolderTransaction changes(folder_);
    try {
        for (const std::size_t i : plan.replaced) {
            changes.Replace(pending_[i].temporary, pending_[i].name);
            pending_[i].temporary.clear();
        }
        for (const std::string& name : plan.removed) {
            changes.Remove(name);
        }
        changes.Replace(pending_[manifest].temporary, pending_[manifest].name);
        pending_[manifest].temporary.clear();
    } catch (const GtfsError& e) {
        const bool restored = changes.Undo();
        throw GtfsError(std::string(e.what()) +
                        (restored ? "; nothing was changed"
                                  : "; some files could not be put back and are kept under hidden "
                                    "names in the folder"));
    }
    changes.Finish();
}

BatchOutcome FileBatch::Commit(EditedFiles edited) {
    const Plan plan = PlanCommit(edited);
    Apply(plan);
    RemoveTemporaries();
    return plan.outcome;
}
