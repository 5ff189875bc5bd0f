// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/LevelView.h"

#include "catalogue/CommandIds.h"
#include "catalogue/DataStore.h"
#include "files/PathLookup.h"
#include "settings/AppSettings.h"

LevelView BuildLevelView(const DataStore& store, int defaultIndex) {
    LevelView view;
    const auto& stack = store.navStack();
    if (stack.size() >= 2) {
        const std::wstring& parent = stack[stack.size() - 2].caption;
        view.combo.push_back({parent, -1});
        view.menu.push_back({kTableMenuParentId, parent});
    }
    const auto& entries = store.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int index = static_cast<int>(i);
        if (index == defaultIndex) {
            view.defaultComboIndex = static_cast<int>(view.combo.size());
        }
        view.combo.push_back({entries[i].caption, index});
        if (index < kTableMenuMaxEntries) {
            view.menu.push_back({kTableMenuFirstEntryId + index, entries[i].caption});
        }
    }
    return view;
}

LevelOpening ChooseLevelOpening(const AppSettings& settings, bool firstLevelLoad,
                                const LevelView& view) {
    LevelOpening opening;
    if (firstLevelLoad && settings.dspLstTbl != 0 && !settings.lastTimetable.empty()) {
        opening.lastTimetable = ResolveWrittenPath(settings.lastTimetable);
    } else {
        opening.comboIndex = view.defaultComboIndex;
    }
    return opening;
}
