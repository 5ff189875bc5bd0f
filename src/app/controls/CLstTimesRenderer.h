// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <memory>
#include <string>

#include "controls/TextLayoutCache.h"
#include "settings/ColorTable.h"
#include "timetable/BoardWords.h"

class AppSettings;
class QPainter;
class Timetable;

// What one row of the departure list shows.
struct ListRowView {
    std::wstring text;  // label, departure time and countdown, ending in a space
    std::wstring note;
    ColorRef color = 0;
    int seconds = -1;     // to departure; -1 for rows without one
    bool dimmed = false;  // a train the walk to the station no longer reaches
};

// Everything a painted row depends on; two equal keys paint the same pixels, so a row whose key
// did not change since its last paint need not be painted again.
struct ListRowKey {
    std::wstring text;
    std::wstring note;
    ColorRef color = 0;
    bool selected = false;
    bool focusMark = false;
    bool dimmed = false;
    int barLeft = -1;         // -1: no bar
    int pulse = -1;           // the bar's pulse level; -1 without a bar
    long long noteStep = -1;  // how far a scrolling note has moved; -1 when it stands still

    bool operator==(const ListRowKey&) const = default;
};

// Draws the rows of the departure list: the row text in the row's colour (white on that colour
// when selected), the pulsing progress bar of a departure about to leave, and the note, which
// follows the row text or scrolls sideways behind it. Knows nothing of widgets.
class CLstTimesRenderer {
public:
    explicit CLstTimesRenderer(const AppSettings& settings);

    // Makes the list font again from the settings.
    void ApplySettings();
    const QFont& Font() const { return font_; }
    int RowHeight() const { return rowHeight_; }

    // Row `index` of the timetable's current section, or a spare row after the last departure.
    ListRowView MakeRow(const Timetable* timetable, int index) const;
    // What a screen reader says for the same row.
    std::wstring SpokenRow(const Timetable* timetable, int index) const;

    // `focusMark` frames the row: the list has the keyboard focus and this is its current row.
    void PaintRow(QPainter& painter, const QRect& rect, const ListRowView& row, bool selected,
                  unsigned frame, bool focusMark = false) const;

    ListRowKey KeyOf(const QRect& rect, ListRowView row, bool selected, bool focusMark,
                     unsigned frame) const;

private:
    void PaintProgressBar(QPainter& painter, const QRect& rect, int seconds, ColorRef background,
                          ColorRef text, unsigned frame) const;
    void PaintNote(QPainter& painter, const QRect& rect, const TextLayoutCache::Entry& note,
                   int textWidth, unsigned frame) const;
    static void PaintFocusMark(QPainter& painter, const QRect& rect, ColorRef color);

    const AppSettings& settings_;
    BoardWords words_;  // the window's language, as the timetable's labels
    QFont font_;
    int rowHeight_ = 1;
    std::unique_ptr<TextLayoutCache> texts_;  // painting does not change what a row shows
};
