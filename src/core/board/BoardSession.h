// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "board/BoardFrame.h"
#include "board/ScrollHold.h"
#include "timetable/Moment.h"
#include "timetable/Timetable.h"

// The walking time in minutes to the timetable at a path; none means no walk.
using WalkLookup = std::function<int(std::wstring_view path)>;

// The only writer of what the board shows: the timetable's view, the mode, the selected row and
// the section the rows were made for. Its operations are the board's commands; each answers
// with the frame that the window applies to its controls and the terminal board prints.
class BoardSession {
public:
    // The timetable outlives the session.
    explicit BoardSession(Timetable& timetable) : timetable_(timetable) {}

    const Timetable& timetable() const { return timetable_; }
    bool RealTime() const { return realTime_; }
    int SelectedRow() const { return selectedRow_; }

    // The refresh: follows the clock in real time, and keeps the view on its day otherwise.
    BoardFrame Tick(Moment now, std::uint64_t tickMs);
    // Reads `path` (a timetable, or a board of several, each reached after the walk `walkOf`
    // gives for its path) and shows it at `now` in real time, or at the view moment of a view
    // out of real time. None, with nothing changed, when the file cannot be read.
    std::optional<BoardFrame> Open(std::wstring_view path, Moment now,
                                   const WalkLookup& walkOf = {});
    // What a step back to an earlier timetable restores: `path` at `minutes` of the timetable
    // day on show now, or in real time at `now` for -1.
    std::optional<BoardFrame> Return(std::wstring_view path, int minutes, Moment now,
                                     const WalkLookup& walkOf = {});
    // The timetable whose walking time the traveller sets: that of the selected row, on a board
    // its member.
    const Timetable& WalkTarget() const { return timetable_.SourceOf(selectedRow_); }
    // A new walking time for the walk target, at once: real time follows the first train now in
    // reach; a view elsewhere stays and redraws its rows.
    BoardFrame SetWalkMinutes(int minutes, Moment now, std::uint64_t tickMs);

    // Shows the departure at `moment` at the top (one row lower with PREV_DISP) and selects it;
    // a moment without one leaves the rows as they are.
    BoardFrame ShowAt(DisplayMode mode, Moment moment);
    // The departure at `minutes` of the timetable day on show; -1 is `now` in real time.
    BoardFrame ShowAtMinute(int minutes, Moment now);
    // An hour earlier or later; none when no hour has departures.
    std::optional<BoardFrame> StepHour(bool later);
    // The departure above `topRow`, scrolled to the top; none at the top of the list.
    std::optional<BoardFrame> ShowPrevious(int topRow);

    // Real time follows the clock from the next tick on.
    BoardFrame SetRealTime(bool on);
    // Day 0 follows the calendar; 1 to 8 force a day type.
    BoardFrame SetForcedDay(DayType day, Moment now, std::uint64_t tickMs);
    // The traveller selected `row`: a row other than the next departure leaves real time.
    BoardFrame SelectRow(int row);
    // The traveller scrolled: real time leaves the scroll alone for a while.
    void UserScrolled(std::uint64_t tickMs) { scrollHold_.Touch(tickMs); }

    // The row on top when `index` is to be shown: the one above it with PREV_DISP.
    int TopRowFor(int index) const;
    // The row on top in real time with `next` the next departure: the first departure still to
    // leave (it is `next` without a walking time), one above with PREV_DISP.
    int RealTimeTopRow(int next) const;

private:
    // `frame` with the state as it now stands.
    BoardFrame Completed(BoardFrame frame) const;
    int NextRow() const;
    int TrackNow(Moment now, BoardFrame& frame);
    void ShowAtInto(DisplayMode mode, Moment moment, BoardFrame& frame);
    void ApplyWalks(const WalkLookup& walkOf);
    BoardFrame ShowLoaded(Moment now);
    std::uint8_t MaskOnShow() const;
    bool RefillForNewSection(BoardFrame& frame);
    void Refill(BoardFrame& frame);
    void Select(int row);
    void RefreshArrivals(bool force, BoardFrame& frame) const;
    void ArrivalsOfSelectedRow(BoardFrame& frame) const;

    Timetable& timetable_;
    ScrollHold scrollHold_;
    bool realTime_ = true;
    int selectedRow_ = -1;
    int rememberedSelection_ = -1;  // the selection before the last one
    std::uint8_t filledMask_ = 0;   // days of the section the rows were made for; 0 for none
};
