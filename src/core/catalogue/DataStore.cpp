// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/DataStore.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "catalogue/RouteConfig.h"
#include "files/NativePath.h"
#include "files/PathLookup.h"
#include "settings/AppSettings.h"
#include "text/WideText.h"

namespace fs = std::filesystem;

namespace {

constexpr std::wstring_view kRootConfig = L"\\vekt.cfg";
constexpr std::wstring_view kRootConfigCaption = L"＞ ルート(vekt.cfg)";
constexpr std::wstring_view kRootDirectoryCaption = L"＞ ルート";
constexpr std::wstring_view kTimetableExtension = L".TBL";
constexpr std::wstring_view kBoardExtension = L".BRD";

std::wstring WithTrailingSeparator(std::wstring dir) {
    if (!dir.ends_with(L'/')) {
        dir += L'/';
    }
    return dir;
}

}  // namespace

DataStore::DataStore(const AppSettings& settings)
    : settings_(&settings), currentDir_(settings.dataPath) {}

void DataStore::LoadTables() {
    colors.Load(DataRootFile(settings_->dataPath, L"color.ini"));
    LoadHolidays(settings_->dataPath, holidays);
}

LevelLoad DataStore::Start(Moment now) {
    LoadTables();
    return EnterLevel(std::nullopt, false, now);
}

bool DataStore::ConfigurationMode() const {
    return settings_->cfgRead != 0;
}

std::wstring DataStore::ResolvePath(std::wstring_view baseDir, std::wstring_view target) const {
    return ResolveDataPath(settings_->dataPath, baseDir.empty() ? currentDir_ : baseDir, target);
}

int DataStore::ScanDirectory(std::wstring_view dir) {
    // Entries with their upper-case names, computed once for the test and the sort.
    std::vector<std::pair<std::wstring, CatalogueEntry>> found;
    std::error_code ec;
    fs::directory_iterator it(fs::path(NativePath(dir)), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::wstring name = DecodeFileName(it->path().filename().native());
        if (name.starts_with(L'.')) {
            continue;  // hidden, and "." / ".."
        }
        std::wstring upper = wtext::ToUpper(name);
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            std::wstring caption = std::wstring(kNodeMarker) + name;
            found.emplace_back(std::move(upper), CatalogueEntry{std::move(name), std::move(caption),
                                                                L"", EntryKind::Node});
        } else if (upper.ends_with(kTimetableExtension) || upper.ends_with(kBoardExtension)) {
            found.emplace_back(std::move(upper), CatalogueEntry{name, name, L"", EntryKind::Plain});
        }
    }
    if (found.empty()) {
        return 0;
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.target < b.second.target;
    });
    entries_.clear();
    entries_.reserve(found.size());
    for (auto& item : found) {
        entries_.push_back(std::move(item.second));
    }
    return static_cast<int>(entries_.size());
}

std::wstring DataStore::LevelDirectory(std::wstring_view path) const {
    if (path.ends_with(L'/')) {
        return std::wstring(path);
    }
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(NativePath(path)), ec);
    if (ec || !fs::exists(status)) {
        return L"";
    }
    if (fs::is_directory(status)) {
        return std::wstring(path) + L'/';
    }
    const std::size_t slash = path.rfind(L'/');
    return slash == std::wstring_view::npos ? L"" : std::wstring(path.substr(0, slash + 1));
}

int DataStore::LoadNode(std::wstring_view path, const CatalogueEntry* entered) {
    const std::wstring dir = LevelDirectory(path);
    int count = 0;
    if (ConfigurationMode()) {
        // A fresh list, so that a file that fails half way never replaces the level shown.
        std::vector<CatalogueEntry> parsed;
        count = ParseRouteConfig(path, parsed, holidays);
        if (count > 0) {
            entries_ = std::move(parsed);
        }
    } else if (!dir.empty()) {
        count = ScanDirectory(dir);
    }
    if (count <= 0) {
        return count;
    }
    if (entered == nullptr) {
        if (!navStack_.empty()) {
            navStack_.pop_back();
        }
    } else {
        CatalogueEntry entry = *entered;
        entry.baseDir = currentDir_;
        navStack_.push_back(std::move(entry));
    }
    // A configuration file the lookup could not place keeps the directory it was reached from.
    if (!dir.empty()) {
        currentDir_ = WithTrailingSeparator(dir);
    }
    return count;
}

int DataStore::PickDefaultEntry(Moment now) const {
    const int t = now.Hour() * 100 + now.Minute();
    // Wide, so that a DayChgHour of any size counts as written: 12 and above is never morning.
    const bool morning = static_cast<long long>(settings_->dayChgHour) * 100 <= t && t <= 1159;
    int chosen = -1;
    bool halfDayTaken = false;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const int index = static_cast<int>(i);
        switch (entries_[i].kind) {
            case EntryKind::Plain:
                if (chosen < 0) {
                    chosen = index;
                }
                break;
            case EntryKind::Preferred:
                if (!halfDayTaken) {
                    chosen = index;
                }
                break;
            case EntryKind::Morning:
            case EntryKind::Afternoon:
                if (!halfDayTaken && morning == (entries_[i].kind == EntryKind::Morning)) {
                    chosen = index;
                    halfDayTaken = true;
                }
                break;
            case EntryKind::Node:
                break;
        }
    }
    return chosen;
}

CatalogueEntry DataStore::RootEntry() const {
    if (ConfigurationMode()) {
        return CatalogueEntry{std::wstring(kRootConfig), std::wstring(kRootConfigCaption), L"",
                              EntryKind::Node};
    }
    return CatalogueEntry{L"", std::wstring(kRootDirectoryCaption), L"", EntryKind::Node};
}

LevelLoad DataStore::EnterLevel(const std::optional<CatalogueEntry>& entry, bool up, Moment now) {
    const CatalogueEntry level = entry ? *entry : RootEntry();
    LevelLoad result;
    result.path = ResolvePath(level.baseDir, level.target);
    result.count = LoadNode(result.path, up ? nullptr : &level);
    if (result.ok()) {
        result.defaultIndex = PickDefaultEntry(now);
    }
    return result;
}

std::optional<CatalogueEntry> DataStore::EntryForChoice(int index) const {
    if (index == -1) {
        if (navStack_.size() >= 2) {
            return navStack_[navStack_.size() - 2];
        }
        return std::nullopt;
    }
    if (index >= 0 && static_cast<std::size_t>(index) < entries_.size()) {
        return entries_[static_cast<std::size_t>(index)];
    }
    return std::nullopt;
}

int DataStore::EntryShowing(std::wstring_view path) const {
    if (path.empty()) {
        return -1;
    }
    const std::filesystem::path shown = wtext::WideToUtf8(path);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const CatalogueEntry& entry = entries_[i];
        if (entry.kind == EntryKind::Node) {
            continue;
        }
        const std::wstring resolved = ResolvePath(entry.baseDir, entry.target);
        std::error_code error;
        // One file may be reached by several spellings: "dir/../x.TBL", another case.
        if (resolved == path ||
            std::filesystem::equivalent(shown, wtext::WideToUtf8(resolved), error)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
