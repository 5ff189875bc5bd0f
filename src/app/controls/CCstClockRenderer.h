// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <string>

#include "timetable/BoardWords.h"
#include "timetable/Moment.h"

class AppSettings;
class QPainter;
struct Rect;

// Draws the clock: date and time in the upper rounded box, the two captions of the section on
// show in the lower one. Holds the fonts made from the settings; knows nothing of widgets.
class CCstClockRenderer {
public:
    explicit CCstClockRenderer(const AppSettings& settings);

    // Makes the fonts again from the settings and measures them.
    void ApplySettings();

    // The height the control needs for its fonts.
    int RequiredHeight() const { return requiredHeight_; }
    int DateFontHeight() const { return date_.height; }
    int TimeFontHeight() const { return time_.height; }
    int CaptionFontHeight() const { return caption_.height; }
    // Height of the upper box's content; the box is three pixels taller.
    int UpperContentHeight() const { return contentHeight_; }

    // The date and the time as drawn, for a screen reader: "2026年12月07日(月) 08時12分20秒".
    std::wstring SpokenDateTime(const MomentFields& now) const;

    // Paints the whole client area. `scrollCounter` advances when the right caption scrolls.
    void Paint(QPainter& painter, const QRect& client, const MomentFields& now,
               const std::wstring& leftCaption, const std::wstring& rightCaption,
               int& scrollCounter) const;

private:
    struct Face {
        QFont font;
        QFontMetrics metrics{QFont()};
        int height = 0;  // line height in pixels: every glyph fits within it
    };
    static Face MakeFace(const std::wstring& name, int tenthsOfPoint);

    // Returns the bottom of the upper box.
    int PaintUpper(QPainter& painter, const QRect& client, const MomentFields& now) const;
    void PaintCaptions(QPainter& painter, const QRect& client, int upperBottom, const QString& left,
                       const QString& right, int& scrollCounter) const;
    void PaintBox(QPainter& painter, const Rect& box) const;

    const AppSettings& settings_;
    BoardWords words_;  // the window's language
    Face date_;
    Face time_;
    Face seconds_;
    Face caption_;
    int contentHeight_ = 0;
    int requiredHeight_ = 0;
};
