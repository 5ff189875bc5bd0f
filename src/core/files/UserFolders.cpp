#include "files/UserFolders.h"

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
