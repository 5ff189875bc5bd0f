// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/AtomicSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>
#include <string>

#include "files/NativePath.h"
#include "files/SaveSteps.h"

namespace {

constexpr int kMaxLinks = 40;  // the kernel's own limit on a chain of links
constexpr int kNameAttempts = 16;

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links at `path` ends in (it need not exist yet); `path` itself
// when it is no link. Saving there keeps the link, so a file kept elsewhere stays up to date.
std::string FollowLinks(std::string path) {
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0) {
            return path;
        }
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    return path;
}

// A hidden name beside `target` that no other save picks: two windows saving at once never
// share a temporary file.
std::string TemporaryName(const std::string& target) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
    return DirectoryOf(target) + "/." + name + "." + suffix;
}

// Every step up to the device, then closes `file` whatever happened. A file written over in
// place is cut to the new length only once all the new bytes are in it: a kill before that
// leaves it no shorter than it was, never empty.
bool WriteThrough(std::FILE* file, std::string_view bytes, SaveSteps& steps, bool inPlace) {
    const bool ok = steps.Write(file, bytes) && steps.Flush(file) &&
                    (!inPlace || steps.Truncate(file, bytes.size())) && steps.Sync(file);
    return std::fclose(file) == 0 && ok;
}

// After the rename the new name is only durable once the folder's entry is on the device too.
// Some file systems cannot sync a folder; the file itself is already safe then.
void SyncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }
}

// A file marked read-only is meant to stay as it is, also for the superuser, whom access()
// lets write anything.
bool MayReplace(const std::string& target, const struct stat& status) {
    return S_ISREG(status.st_mode) && (status.st_mode & 0222) != 0 &&
           ::access(target.c_str(), W_OK) == 0;
}

}  // namespace

bool SaveAtomically(std::wstring_view path, std::string_view bytes) {
    SaveSteps steps;
    return SaveAtomically(path, bytes, steps);
}

bool SaveAtomically(std::wstring_view path, std::string_view bytes, SaveSteps& steps) {
    const std::string target = FollowLinks(NativePath(path));
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !MayReplace(target, old)) {
        return false;
    }
    std::string temporary;
    std::FILE* file = nullptr;
    int createError = 0;
    for (int attempt = 0; attempt < kNameAttempts && file == nullptr; ++attempt) {
        temporary = TemporaryName(target);
        file = steps.Create(temporary);
        createError = file == nullptr ? errno : 0;
        if (createError != EEXIST) {
            break;
        }
    }
    if (file == nullptr) {
        // A folder that takes no new file: write the file in place, as the only way left.
        const bool folderClosed = createError == EACCES || createError == EPERM;
        if (!exists || !folderClosed) {
            return false;
        }
        std::FILE* inPlace = steps.OpenExisting(target);
        return inPlace != nullptr && WriteThrough(inPlace, bytes, steps, true);
    }
    const bool keptMode = !exists || ::fchmod(::fileno(file), old.st_mode & 07777) == 0;
    if (!WriteThrough(file, bytes, steps, false) || !keptMode || !steps.Rename(temporary, target)) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncDirectory(DirectoryOf(target));
    return true;
}
