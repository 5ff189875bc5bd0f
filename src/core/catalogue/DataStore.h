// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CatalogueEntry.h"
#include "catalogue/TransferHistory.h"
#include "settings/ColorTable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Moment.h"

class AppSettings;

// What entering a catalogue level gave: the path that was loaded, the number of entries (below 1
// when the level could not be loaded and the previous level stays) and the default entry.
struct LevelLoad {
    std::wstring path;
    int count = 0;
    int defaultIndex = -1;

    bool ok() const { return count > 0; }
};

// The main window's catalogue data: the level shown with its entries, the way back up, the
// transfer history, and the colour and holiday tables every timetable refers to.
class DataStore {
public:
    // `settings` must outlive the store; the current directory starts at its data path.
    explicit DataStore(const AppSettings& settings);

    // Reads "color.ini" and "Holiday.dat" of the data root; missing files leave them empty.
    void LoadTables();

    // Everything a window or the terminal board shows at start, built one way for both: the
    // colour list and Holiday.dat, then the root level, whose route configuration's holidays
    // replace Holiday.dat's names. Call once, on a fresh store.
    LevelLoad Start(Moment now);

    // The full path of `target`: a leading separator means the data root, otherwise `baseDir`
    // (or the current directory when it is empty). A path that does not exist is looked up
    // again without regard to case.
    std::wstring ResolvePath(std::wstring_view baseDir, std::wstring_view target) const;

    // Replaces the entry list by the subdirectories, timetables (".TBL") and boards (".BRD") of
    // `dir`, sorted by name; returns their number, or 0 (entry list unchanged) when the directory
    // offers none.
    int ScanDirectory(std::wstring_view dir);

    // Loads the level at `path` (a route configuration file in configuration mode, a
    // directory otherwise). On success `entered` (when given) is appended to the navigation
    // stack, or without it the last element is removed, and the current directory follows.
    // A failed load changes nothing at all and returns a value below 1.
    int LoadNode(std::wstring_view path, const CatalogueEntry* entered);

    // The index of the entry to open by default at `now`, or -1.
    int PickDefaultEntry(Moment now) const;

    // The entry of the root level in the current mode.
    CatalogueEntry RootEntry() const;

    // Enters a level the way the window does: `entry` (or the root entry when none) is resolved
    // and loaded; `up` goes back to a parent level instead of adding one.
    LevelLoad EnterLevel(const std::optional<CatalogueEntry>& entry, bool up, Moment now);

    // The entry a combo or menu choice stands for: -1 is the parent level, otherwise an index
    // of the entry list; none when the choice no longer exists.
    std::optional<CatalogueEntry> EntryForChoice(int index) const;

    // The index of the timetable entry of this level that names the file at `path`, or -1.
    int EntryShowing(std::wstring_view path) const;

    bool ConfigurationMode() const;
    const AppSettings& settings() const { return *settings_; }
    const std::vector<CatalogueEntry>& entries() const { return entries_; }
    const std::vector<CatalogueEntry>& navStack() const { return navStack_; }
    const std::wstring& currentDir() const { return currentDir_; }

    ColorTable colors;
    HolidayCalendar holidays;
    TransferHistory transfers;

private:
    std::wstring LevelDirectory(std::wstring_view path) const;

    const AppSettings* settings_;
    std::wstring currentDir_;
    std::vector<CatalogueEntry> entries_;
    std::vector<CatalogueEntry> navStack_;
};
