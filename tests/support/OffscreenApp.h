// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <cstdlib>

#include "controls/FontSetup.h"
#include "settings/AppSettings.h"

// The one QApplication of a window-layer test, on the offscreen platform so the tests run
// without a display, with the program's font substitutions in place.
inline QApplication& OffscreenApp() {
    static int argc = 1;
    static char name[] = "kovaris-test";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Never destroyed: tearing Qt down from the exit handlers crashes in its input devices.
    static QApplication* const app = new QApplication(argc, argv);
    static const bool fonts = (RegisterFontSubstitutions(), true);
    (void)fonts;
    return *app;
}

// Settings with their defaults that never write a file.
inline AppSettings TestSettings() {
    AppSettings settings;
    return settings;
}

// Whether `c` is closer to `ink` than to `paper`: a pixel mostly covered by text drawn in `ink`.
inline bool IsMostlyInk(QColor c, QColor ink, QColor paper) {
    const auto distance = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    };
    return distance(c, ink) < distance(c, paper);
}
