// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "board/WindowPlace.h"

// What the program keeps of its window from one run to the next, apart from the settings: where
// the window stood and whether the traveller asked to be reminded before departures. It is kept
// for each settings file, so that two windows on two settings files (two stations on two
// screens) each come back where they were.
struct WindowState {
    std::optional<WindowPlace> place;  // nothing: where a new window opens
    bool maximized = false;            // `place` is then the place it had before
    bool reminderOn = false;
    bool operator==(const WindowState&) const = default;
};

// Lines of "key=value" in UTF-8: Settings (the settings file it belongs to), Window (x,y,width,
// height), Maximized and Remind (0 or 1).
std::string FormatWindowState(const WindowState& state, std::wstring_view settingsFile);

// The state in `text`. Lines that are unknown, malformed or out of range are passed over, and a
// text that names another settings file, or none, gives the state of a first run.
WindowState ParseWindowState(std::string_view text, std::wstring_view settingsFile);

// The file in `stateFolder` that keeps the state for `settingsFile`, named after a digest of
// that path (itself written inside, which tells two paths of one digest apart).
std::wstring WindowStateFile(std::wstring_view stateFolder, std::wstring_view settingsFile);

// The state of a first run when the file cannot be read.
WindowState LoadWindowState(std::wstring_view file, std::wstring_view settingsFile);
// Replaces the file atomically, making its folder (private to the user) when it is missing.
bool SaveWindowState(std::wstring_view file, const WindowState& state,
                     std::wstring_view settingsFile);
