// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/WindowStateKeeper.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "files/FileKey.h"
#include "files/UserFolders.h"
#include "text/WideText.h"

namespace fs = std::filesystem;

namespace {

// One settings file reached by two paths (a link, "./") keeps one state.
std::wstring SettingsKey(const std::wstring& settingsFile) {
    return wtext::Utf8ToWide(FullPathOf(wtext::WideToUtf8(settingsFile)));
}

std::vector<ScreenArea> ScreenAreas() {
    std::vector<ScreenArea> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    QList<QScreen*> screens = QGuiApplication::screens();
    // The primary screen first: a window whose screen has gone comes back there.
    std::stable_partition(screens.begin(), screens.end(),
                          [primary](const QScreen* s) { return s == primary; });
    for (const QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return areas;
}

}  // namespace

WindowStateKeeper::WindowStateKeeper(const std::wstring& settingsFile)
    : settingsFile_(SettingsKey(settingsFile)) {
    const std::optional<fs::path> folder =
        FindStateFolder([](const char* name) { return std::getenv(name); });
    if (!folder) {
        return;
    }
    stateFile_ = WindowStateFile(wtext::Utf8ToWide(folder->string()), settingsFile_);
    state_ = LoadWindowState(stateFile_, settingsFile_);
}

void WindowStateKeeper::Restore(QWidget& window) const {
    if (!state_.place) {
        return;
    }
    const std::optional<WindowPlace> place =
        FitOnScreens(*state_.place, ScreenAreas(), window.minimumWidth(), window.minimumHeight());
    if (!place) {
        return;
    }
    window.move(place->x, place->y);
    window.resize(place->width, place->height);
    if (state_.maximized) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

void WindowStateKeeper::Keep(const QWidget& window, bool reminderOn) {
    state_.reminderOn = reminderOn;
    state_.maximized = window.isMaximized();
    // A maximized window comes back maximized over the place it had before; the frame stands
    // off its client area as it does now.
    const QPoint frameOffset = window.geometry().topLeft() - window.frameGeometry().topLeft();
    const QRect client = state_.maximized ? window.normalGeometry() : window.geometry();
    const QPoint frame = client.topLeft() - frameOffset;
    state_.place = WindowPlace{frame.x(), frame.y(), client.width(), client.height()};
    if (!stateFile_.empty()) {
        // Losing the place is no reason to trouble the traveller at the end of a run.
        SaveWindowState(stateFile_, state_, settingsFile_);
    }
}
