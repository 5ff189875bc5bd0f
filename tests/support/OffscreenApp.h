#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>

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
    static QApplication app(argc, argv);
    static const bool fonts = (RegisterFontSubstitutions(), true);
    (void)fonts;
    return app;
}

// Settings with their defaults that never write a file.
inline AppSettings TestSettings() {
    AppSettings settings;
    settings.saveOnDestruction = false;
    return settings;
}

inline QColor PixelAt(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}
