#pragma once

#include <filesystem>
#include <functional>
#include <optional>

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
