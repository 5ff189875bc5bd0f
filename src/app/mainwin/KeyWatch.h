// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

#include "settings/AppSettings.h"

class QEvent;
class QWidget;

// Sees every key press aimed at a window or one of its controls before the control does, and
// turns the keys bound in the settings into actions; a bound key never reaches the control.
class KeyWatch : public QObject {
    Q_OBJECT

public:
    using Perform = std::function<void(ShortcutAction)>;
    KeyWatch(QWidget& window, const AppSettings& settings, Perform perform);

    // Sends an arrow key to a list, as if pressed there; the watch lets it through.
    void PostArrow(QWidget& list, bool up);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    const AppSettings& settings_;
    Perform perform_;
};
