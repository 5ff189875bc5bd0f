// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "catalogue/CommandIds.h"

class AppSettings;
class DataStore;

// One combo box item: its caption and its data, the entry index or -1 for the parent level.
struct LevelComboItem {
    std::wstring caption;
    int data = 0;

    bool operator==(const LevelComboItem&) const = default;
};

// One item of the timetable menu.
struct LevelMenuItem {
    int id = 0;
    std::wstring caption;

    bool operator==(const LevelMenuItem&) const = default;
};

// What the combo box and the timetable menu show for the level in a DataStore, so the window
// only copies it.
struct LevelView {
    std::vector<LevelComboItem> combo;
    std::vector<LevelMenuItem> menu;
    int defaultComboIndex = -1;  // the combo item of the default entry, -1 for none

    // The highest menu id in use, 33000 when the menu holds no catalogue item.
    int LastMenuId() const { return menu.empty() ? kTableMenuParentId : menu.back().id; }
};

// `defaultIndex` is the entry index PickDefaultEntry gave, or -1.
LevelView BuildLevelView(const DataStore& store, int defaultIndex);

// What a freshly loaded level opens: on the first level load of a window, the timetable shown
// last (when DspLstTbl asks for it and the history names one), with no combo item selected;
// otherwise the default entry's combo item, if the level has a default.
struct LevelOpening {
    std::wstring lastTimetable;  // the path to show, resolved; empty when the combo choice applies
    int comboIndex = -1;         // the combo item to select and open, -1 for none
};
LevelOpening ChooseLevelOpening(const AppSettings& settings, bool firstLevelLoad,
                                const LevelView& view);
