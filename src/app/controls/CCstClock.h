// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

#include "controls/CCstClockRenderer.h"

class AppSettings;
class Clock;

// The clock above the departure list: date and time, and the captions of the section on show.
// It reads the time from `clock` at every paint; the main window repaints it on each refresh.
class CCstClock : public QWidget {
    Q_OBJECT

public:
    CCstClock(const AppSettings& settings, const Clock& clock, QWidget* parent = nullptr);

    // Makes the fonts again after the settings changed.
    void ApplySettings();
    void SetCaptions(const std::wstring& left, const std::wstring& right);
    // Repaints when the picture has changed since the last paint: a new second, new captions,
    // or a caption that scrolls.
    void Tick();

    // The height the main window's layout gives the control.
    int RequiredHeight() const { return renderer_.RequiredHeight(); }
    const CCstClockRenderer& Renderer() const { return renderer_; }

    // For a screen reader: the date and time it shows now, and the captions of the section.
    QString SpokenDateTime() const;
    QString SpokenCaptions() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Clock& clock_;
    CCstClockRenderer renderer_;
    std::wstring leftCaption_;
    std::wstring rightCaption_;
    int scrollCounter_ = 0;
    bool stale_ = true;  // captions changed since the last paint
    bool captionScrolls_ = false;
    MomentFields painted_;
};
