// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "mainwin/QtMessenger.h"
#include "mainwin/RunState.h"
#include "settings/AppSettings.h"
#include "timetable/Moment.h"

// The program: owns the settings for the whole run and shows the main window again for as long
// as the window closes itself to be rebuilt (after the settings changed or the catalogue mode
// was switched).
class CKovarisWinApp {
public:
    struct Options {
        std::optional<Moment> startAt;  // the clock starts at this moment and runs on
        bool exitAfterFirstPaint = false;
        QString notice;  // said in the status line of the first window
    };

    explicit CKovarisWinApp(Options options);

    // Runs windows until one closes for good, then saves the settings; the exit status (1 when
    // the settings could not be saved).
    int Run();

private:
    // Saves the settings and says so when that fails; the exit status.
    int SaveAtEnd();

    Options options_;
    AppSettings settings_;
    QtMessenger messenger_;
    RunState run_;
};
