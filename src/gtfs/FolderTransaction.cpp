// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/FolderTransaction.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "gtfs/GtfsError.h"

namespace {

constexpr int kNameAttempts = 16;

}  // namespace

FolderTransaction::FolderTransaction(std::filesystem::path folder) : folder_(std::move(folder)) {}

FolderTransaction::~FolderTransaction() {
    Undo();
}

std::string FolderTransaction::HiddenName(const std::string& name, const std::string& suffix,
                                          int attempt) {
    if (attempt == 0) {
        return "." + name + suffix;
    }
    thread_local std::mt19937_64 random{std::random_device{}()};
    char unique[17];
    std::snprintf(unique, sizeof unique, "%016llx", static_cast<unsigned long long>(random()));
    return ".kovaris-" + std::string(unique) + suffix;
}

void FolderTransaction::Sync(const std::filesystem::path& folder) {
    // Some file systems cannot sync a folder; the files themselves are synced already then.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }
}

std::string FolderTransaction::PathOf(const std::string& name) const {
    return (folder_ / name).string();
}

void FolderTransaction::Fail(const std::string& name, const char* what, int error) const {
    throw GtfsError(PathOf(name) + ": " + what + ": " + std::strerror(error));
}

// A second hard link keeps the name holding its old file up to the moment the new one replaces
// it. A file system without hard links gets the file moved aside instead.
std::optional<std::string> FolderTransaction::KeepAside(const std::string& name) const {
    struct stat status {};
    if (::lstat(PathOf(name).c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        Fail(name, "cannot examine", errno);
    }
    if (S_ISDIR(status.st_mode)) {
        throw GtfsError(PathOf(name) + ": a folder of that name is in the way");
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string aside = HiddenName(name, ".old", attempt);
        if (::linkat(AT_FDCWD, PathOf(name).c_str(), AT_FDCWD, PathOf(aside).c_str(), 0) == 0) {
            return aside;
        }
        if (errno == EEXIST || errno == ENAMETOOLONG) {
            continue;
        }
        struct stat taken {};
        if (::lstat(PathOf(aside).c_str(), &taken) == 0) {
            continue;
        }
        if (std::rename(PathOf(name).c_str(), PathOf(aside).c_str()) == 0) {
            return aside;
        }
        break;
    }
    Fail(name, "cannot keep the file aside", errno);
}

void FolderTransaction::Replace(const std::string& temporary, const std::string& name) {
    changes_.push_back({name, KeepAside(name), false});
    if (std::rename(PathOf(temporary).c_str(), PathOf(name).c_str()) != 0) {
        Fail(name, "cannot write", errno);
    }
    changes_.back().installed = true;
}

void FolderTransaction::Remove(const std::string& name) {
    changes_.push_back({name, KeepAside(name), false});
    if (::unlink(PathOf(name).c_str()) != 0 && errno != ENOENT) {
        Fail(name, "cannot remove", errno);
    }
}

void FolderTransaction::Finish() {
    Sync(folder_);
    for (const Change& change : changes_) {
        if (change.original) {
            ::unlink(PathOf(*change.original).c_str());
        }
    }
    changes_.clear();
    Sync(folder_);
}

bool FolderTransaction::Undo() {
    if (changes_.empty()) {
        return true;
    }
    bool restored = true;
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
        if (change->original) {
            restored &=
                std::rename(PathOf(*change->original).c_str(), PathOf(change->name).c_str()) == 0;
        } else if (change->installed) {
            ::unlink(PathOf(change->name).c_str());
        }
    }
    changes_.clear();
    Sync(folder_);
    return restored;
}
