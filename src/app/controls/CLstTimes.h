// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegion>
#include <optional>
#include <vector>

#include "controls/CLstTimesRenderer.h"
#include "controls/SingleChoiceList.h"
#include "timetable/Moment.h"
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
    void ResetRows(Timetable* timetable);
    // The next departure at `now`; -1 when there is no timetable, or in real time no section.
    // When the day's section has changed the list is refilled, and out of real time shown at
    // the view moment again.
    int TrackNow(bool realTime, Moment now);
    // Shows the departure at `moment` at the top (one row lower with PREV_DISP) and selects it;
    // -1, with the list left as it is, when there is none. A moment of another day refills the
    // list with that day's section first.
    int ShowAt(DisplayMode mode, Moment moment);
    // Shows the departure at `minutes` of the timetable day on show; -1 minutes means the
    // present moment (`now`) in real time.
    int ShowAtMinute(int minutes, Moment now);
    void SelectRow(int index);
    // Selects `index` without scrolling it into view: the traveller is looking elsewhere.
    void SelectRowInPlace(int index);
    // The chosen row, or -1: a current row need not be chosen (Qt makes one on taking the focus).
    int SelectedRow() const;
    // Scrolls so that `row` is the top row.
    void ScrollToTop(int row);

    // Repaints the visible rows whose picture changed since they were last painted: the
    // board refreshes ten times a second, while most rows change once a second at most.
    void UpdateChangedRows();

    // The row last drawn as the next departure.
    int NextRow() const { return nextRow_; }
    // The selection before the last ShowAt or SelectRow, or as the main window recorded it.
    int RememberedSelection() const { return rememberedSelection_; }
    void SetRememberedSelection(int row) { rememberedSelection_ = row; }

    // Advanced by the main window on each refresh; drives the pulse and the scrolling notes.
    unsigned Frame() const { return frame_; }
    void AdvanceFrame() { ++frame_; }
    void SetFrame(unsigned frame) { frame_ = frame; }

    int RowHeight() const { return renderer_.RowHeight(); }
    const CLstTimesRenderer& Renderer() const { return renderer_; }
    Timetable* AttachedTimetable() const { return timetable_; }

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
    // The list was refilled for another day's section and positioned again (or left without a
    // selection when the section has nothing at the view moment).
    void rowsRefilled();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Refills the rows when the section on show is not the one they were made for.
    bool RefillForNewSection();
    bool IsSelected(int row) const;
    bool ShowsFocusMark(int row) const;
    void SelectProgrammatically(int row);

    const AppSettings& settings_;
    CLstTimesRenderer renderer_;
    Timetable* timetable_ = nullptr;
    int nextRow_ = 0;
    int rememberedSelection_ = -1;
    unsigned frame_ = 0;
    bool settingSelection_ = false;
    // By row, as last painted; none for a row painted only in part (an exposed strip after a
    // scroll), whose other part may still show what it showed before.
    std::vector<std::optional<ListRowKey>> rowKeys_;
    QRegion paintRegion_;          // of the paint event being handled
    std::uint8_t filledMask_ = 0;  // days of the section the rows were made for; 0 for none
};
