// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegion>
#include <optional>
#include <vector>

#include "board/BoardFrame.h"
#include "controls/CLstTimesRenderer.h"
#include "controls/SingleChoiceList.h"
#include "timetable/Timetable.h"

class AppSettings;

// The departure list: one empty row per departure of the current day section plus a screenful
// of spare rows, so the last departure can scroll to the top. Rows are drawn from the timetable
// at paint time, so a refresh only needs an update().
class CLstTimes : public SingleChoiceList {
    Q_OBJECT

public:
    explicit CLstTimes(const AppSettings& settings, QWidget* parent = nullptr);

    // Makes the list font again after the settings changed.
    void ApplySettings();

    // Fills the list for the timetable's current section; empty when no section serves the day.
    // The list only reads the timetable, to draw its rows.
    void ResetRows(const Timetable* timetable);
    // Shows what a board command left: rows made again, the selection, the top row.
    void Apply(const BoardFrame& frame);
    void SelectRow(int index);
    // Selects `index` without scrolling it into view: the traveller is looking elsewhere.
    void SelectRowInPlace(int index);
    // The chosen row, or -1: a current row need not be chosen (Qt makes one on taking the focus).
    int SelectedRow() const;
    // Scrolls so that `row` is the top row.
    void ScrollToTop(int row);
    int TopRow() const;

    // Repaints the visible rows whose picture changed since they were last painted: the
    // board refreshes ten times a second, while most rows change once a second at most.
    void UpdateChangedRows();

    // Advanced by the main window on each refresh; drives the pulse and the scrolling notes.
    unsigned Frame() const { return frame_; }
    void AdvanceFrame() { ++frame_; }
    void SetFrame(unsigned frame) { frame_ = frame; }

    int RowHeight() const { return renderer_.RowHeight(); }
    const CLstTimesRenderer& Renderer() const { return renderer_; }

    // What a screen reader says for row `row`: what the row shows now.
    QString SpokenRow(int row) const;

    // Draws row `row` into `rect`; the delegate calls this for every visible row. `focusMark`
    // frames the current row while the list has the keyboard focus.
    void DrawRow(QPainter& painter, const QRect& rect, int row, bool selected,
                 bool focusMark = false);

Q_SIGNALS:
    // The user moved the selection; never emitted for a selection the program sets.
    void userSelectionChanged(int row);
    // The user scrolled the list (wheel, scroll bar or its arrows), not the program.
    void userScrolled();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool IsSelected(int row) const;
    bool ShowsFocusMark(int row) const;
    void SelectProgrammatically(int row);

    const AppSettings& settings_;
    CLstTimesRenderer renderer_;
    const Timetable* timetable_ = nullptr;
    unsigned frame_ = 0;
    bool settingSelection_ = false;
    // By row, as last painted; none for a row painted only in part (an exposed strip after a
    // scroll), whose other part may still show what it showed before.
    std::vector<std::optional<ListRowKey>> rowKeys_;
    QRegion paintRegion_;  // of the paint event being handled
};
