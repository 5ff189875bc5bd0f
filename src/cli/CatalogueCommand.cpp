// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueCommand.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "AtOption.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/DataStore.h"
#include "files/PathLookup.h"
#include "settings/AppSettings.h"
#include "text/WideText.h"
#include "timetable/Clock.h"
#include "timetable/Moment.h"

namespace {

struct CatalogueOptions {
    std::string dataRoot;
    bool configuration = false;
    std::string at;
    std::string settingsFile;
    std::vector<std::string> path;
};

// The sub-level of the level shown whose target is `name`, with "\" and "/" alike and
// without regard to case, as the file system the data comes from would.
std::optional<CatalogueEntry> FindNode(const DataStore& store, const std::string& name) {
    const std::wstring wanted = wtext::ToUpper(ToNativeSeparators(wtext::Utf8ToWide(name)));
    for (const CatalogueEntry& entry : store.entries()) {
        if (entry.kind == EntryKind::Node &&
            wtext::ToUpper(ToNativeSeparators(entry.target)) == wanted) {
            return entry;
        }
    }
    return std::nullopt;
}

void PrintError(std::ostream& err, std::wstring_view text) {
    err << wtext::WideToUtf8(text) << '\n';
}

int RunCatalogue(const CatalogueOptions& options, std::ostream& out, std::ostream& err) {
    AppSettings settings;
    if (!options.settingsFile.empty()) {
        if (!std::filesystem::is_regular_file(options.settingsFile)) {
            err << "kovaris catalogue: cannot read the settings file " << options.settingsFile
                << '\n';
            return 1;
        }
        settings.filePath = wtext::Utf8ToWide(options.settingsFile);
    }
    static_cast<void>(settings.Load(nullptr));
    if (!options.dataRoot.empty()) {
        settings.dataPath = ToNativeSeparators(wtext::Utf8ToWide(options.dataRoot));
    }
    if (settings.dataPath.empty()) {
        err << "kovaris catalogue: no data root; give --data-root or a settings file with "
               "DataPath\n";
        return 1;
    }
    if (!settings.dataPath.ends_with(L'/')) {
        settings.dataPath += L'/';
    }
    if (options.configuration) {
        settings.cfgRead = 1;
    }
    const Moment now = options.at.empty() ? SystemClock().Now() : *ParseMoment(options.at);

    DataStore store(settings);
    LevelLoad level = store.EnterLevel(std::nullopt, false, now);
    for (const std::string& name : options.path) {
        if (!level.ok()) {
            break;
        }
        const std::optional<CatalogueEntry> node = FindNode(store, name);
        if (!node) {
            err << "kovaris catalogue: no sub-level " << name << " in this level\n";
            return 1;
        }
        level = store.EnterLevel(node, false, now);
    }
    if (!level.ok()) {
        PrintError(err, LevelLoadFailedMessage(store.ConfigurationMode(), level.path));
        return 1;
    }
    for (const std::wstring& line : CatalogueLines(store, level.defaultIndex)) {
        out << wtext::WideToUtf8(line) << '\n';
    }
    return 0;
}

}  // namespace

std::vector<std::wstring> CatalogueLines(const DataStore& store, int defaultIndex) {
    std::vector<std::wstring> lines;
    const auto& entries = store.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CatalogueEntry& entry = entries[i];
        std::wstring line = static_cast<int>(i) == defaultIndex ? L"* " : L"  ";
        line.append(EntryKindName(entry.kind)).append(L"\t").append(entry.target);
        line.append(L"\t").append(entry.caption).append(L"\t");
        line.append(store.ResolvePath(entry.baseDir, entry.target));
        lines.push_back(std::move(line));
    }
    return lines;
}

void AddCatalogueCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status) {
    auto options = std::make_shared<CatalogueOptions>();
    CLI::App* command = app.add_subcommand(
        "catalogue", "the catalogue level the program shows at start, with its default entry");
    command->add_option("--data-root", options->dataRoot,
                        "data folder (default: the settings' DataPath)");
    command->add_flag("--cfg", options->configuration,
                      "read vekt.cfg instead of scanning the folders (as CfgRead=1)");
    AddAtOption(*command, options->at,
                "the local time that picks the default entry, \"YYYY-MM-DD HH:MM:SS\"");
    command->add_option("--settings", options->settingsFile,
                        "settings file (default ./Kovaris.ini; never written)");
    command->add_option("path", options->path, "sub-levels to enter in turn, by target");
    command->footer(
        "One line per entry, in list order: kind (Node, Plain, Morning, Afternoon, Preferred),\n"
        "the target as written, the caption and the resolved path, separated by tabs. \"* \"\n"
        "marks the entry opened by default at --at (default: now), two spaces the others.\n"
        "Without --cfg the settings' CfgRead decides between vekt.cfg and a scan of the folders.");
    command->callback(
        [options, &out, &err, &status] { status = RunCatalogue(*options, out, err); });
}
