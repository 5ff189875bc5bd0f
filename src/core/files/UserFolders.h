// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// The user's own folders for the program, by the XDG base-directory rules: $XDG_CONFIG_HOME and
// $XDG_DATA_HOME when they hold an absolute path, otherwise ~/.config and ~/.local/share.
struct UserFolders {
    std::filesystem::path config;  // the working folder of a start from the menu: Kovaris.ini
    std::filesystem::path data;    // the user's own copy of the demo data root
};

// Looks up an environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// Nothing when a folder is named neither by its XDG variable nor through an absolute HOME.
std::optional<UserFolders> FindUserFolders(const EnvironmentLookup& environment);

// The program's folder for what it keeps of itself between runs (where its window stood):
// $XDG_STATE_HOME/kovariswin, otherwise ~/.local/state/kovariswin; nothing as above.
std::optional<std::filesystem::path> FindStateFolder(const EnvironmentLookup& environment);

// The folder for the user's sockets: either `path` or, when it cannot be used, `problem` says why.
struct RuntimeFolder {
    std::filesystem::path path;
    std::string problem;
};

// $XDG_RUNTIME_DIR when it holds an absolute path. Without one, "kovariswin-UID" under
// `temporary`, made when missing; since anyone may create names there first, it is used only
// when it is a folder (not a link) owned by `user` that nobody else may enter (mode 0700).
RuntimeFolder FindRuntimeFolder(const EnvironmentLookup& environment,
                                const std::filesystem::path& temporary, uid_t user);
