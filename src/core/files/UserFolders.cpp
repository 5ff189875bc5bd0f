// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/UserFolders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string_view>

namespace fs = std::filesystem;

namespace {

// The XDG rules ignore a relative value, as it would depend on the folder the program starts in.
std::optional<fs::path> BaseFolder(const EnvironmentLookup& environment, const char* variable,
                                   std::string_view underHome) {
    const char* value = environment(variable);
    if (value != nullptr && fs::path(value).is_absolute()) {
        return fs::path(value);
    }
    const char* home = environment("HOME");
    if (home != nullptr && fs::path(home).is_absolute()) {
        return fs::path(home) / underHome;
    }
    return std::nullopt;
}

std::string OctalMode(mode_t mode) {
    std::string text = "0000";
    for (int digit = 3; digit >= 0; --digit, mode >>= 3) {
        text[static_cast<std::size_t>(digit)] = static_cast<char>('0' + (mode & 07));
    }
    return text;
}

// Why `folder` is not a private folder of `user`; empty when it is one.
std::string PrivateFolderProblem(const fs::path& folder, uid_t user) {
    struct stat status {};
    if (lstat(folder.c_str(), &status) != 0) {
        return folder.string() + ": " + std::strerror(errno);
    }
    if (!S_ISDIR(status.st_mode)) {
        return folder.string() + " is not a folder";
    }
    if (status.st_uid != user) {
        return folder.string() + " belongs to another user";
    }
    if ((status.st_mode & 07777) != 0700) {
        return folder.string() + " has mode " + OctalMode(status.st_mode & 07777) + ", not 0700";
    }
    return {};
}

}  // namespace

std::optional<UserFolders> FindUserFolders(const EnvironmentLookup& environment) {
    const std::optional<fs::path> config = BaseFolder(environment, "XDG_CONFIG_HOME", ".config");
    const std::optional<fs::path> data = BaseFolder(environment, "XDG_DATA_HOME", ".local/share");
    if (!config || !data) {
        return std::nullopt;
    }
    return UserFolders{*config / "kovariswin", *data / "kovariswin" / "data"};
}

std::optional<fs::path> FindStateFolder(const EnvironmentLookup& environment) {
    const std::optional<fs::path> state = BaseFolder(environment, "XDG_STATE_HOME", ".local/state");
    if (!state) {
        return std::nullopt;
    }
    return *state / "kovariswin";
}

RuntimeFolder FindRuntimeFolder(const EnvironmentLookup& environment, const fs::path& temporary,
                                uid_t user) {
    const char* runtime = environment("XDG_RUNTIME_DIR");
    if (runtime != nullptr && fs::path(runtime).is_absolute()) {
        return {fs::path(runtime), {}};
    }
    const fs::path folder = temporary / ("kovariswin-" + std::to_string(user));
    // The umask may take bits from a new folder, never add any; the check below sees the result.
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return {{}, folder.string() + ": " + std::strerror(errno)};
    }
    std::string problem = PrivateFolderProblem(folder, user);
    if (!problem.empty()) {
        return {{}, std::move(problem)};
    }
    return {folder, {}};
}
