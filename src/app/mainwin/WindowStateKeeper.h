// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "board/WindowState.h"

class QWidget;

// Keeps the main window's place and the reminder switch from one window to the next, over
// restarts and runs, in a file of the user's state folder that belongs to the settings file.
class WindowStateKeeper {
public:
    // Reads the state kept for `settingsFile` (relative to the working folder or absolute).
    // Without a state folder (no HOME) nothing is kept.
    explicit WindowStateKeeper(const std::wstring& settingsFile);

    bool ReminderOn() const { return state_.reminderOn; }
    // Puts a new window where the last one stood, wholly on one of the screens there are now.
    void Restore(QWidget& window) const;
    // Takes the place of a window that has closed and the reminder switch, and saves both.
    void Keep(const QWidget& window, bool reminderOn);

private:
    std::wstring settingsFile_;  // absolute, links resolved: the key of the state
    std::wstring stateFile_;     // empty when there is no state folder
    WindowState state_;
};
