// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardSession.h"

#include <algorithm>

#include "settings/AppSettings.h"
#include "timetable/ViewSteps.h"

BoardFrame BoardSession::Tick(Moment now, std::uint64_t tickMs) {
    BoardFrame frame;
    const int next = TrackNow(now, frame);
    if (realTime_ && next != -1) {
        if (scrollHold_.Holds(tickMs)) {
            frame.selectInPlace = true;
        } else {
            frame.topRow = RealTimeTopRow(next);
        }
        Select(next);
        RefreshArrivals(false, frame);
    }
    return Completed(frame);
}

// The next departure at `now`; -1 without a section in real time. Rows made for another
// section are made again, and out of real time shown at the view moment again.
int BoardSession::TrackNow(Moment now, BoardFrame& frame) {
    const int index = timetable_.FindNextDeparture(now, realTime_);
    if (RefillForNewSection(frame)) {
        if (!realTime_) {
            ShowAtInto(timetable_.displayMode, timetable_.viewMoment, frame);
        }
        ArrivalsOfSelectedRow(frame);
    }
    if (!realTime_) {
        return index;
    }
    if (timetable_.FindSection() == nullptr) {
        return -1;
    }
    timetable_.displayMode = DisplayMode::RealTime;
    return index;
}

std::optional<BoardFrame> BoardSession::Open(std::wstring_view path, Moment now,
                                             const WalkLookup& walkOf) {
    if (!timetable_.LoadTimetable(path)) {
        return std::nullopt;
    }
    ApplyWalks(walkOf);
    return ShowLoaded(now);
}

std::optional<BoardFrame> BoardSession::Return(std::wstring_view path, int minutes, Moment now,
                                               const WalkLookup& walkOf) {
    // The minute counts in the day on show before the earlier timetable replaces this one.
    const Moment moment = minutes == -1 ? now : timetable_.MomentOfMinute(minutes);
    if (!timetable_.LoadTimetable(path)) {
        return std::nullopt;
    }
    ApplyWalks(walkOf);
    realTime_ = minutes == -1;
    timetable_.displayMode = realTime_ ? DisplayMode::RealTime : DisplayMode::ViewMoment;
    timetable_.viewMoment = moment;
    return ShowLoaded(now);
}

void BoardSession::ApplyWalks(const WalkLookup& walkOf) {
    const auto minutesFor = [&](const Timetable& table) { return walkOf ? walkOf(table.path) : 0; };
    timetable_.walkMinutes = timetable_.IsBoard() ? 0 : minutesFor(timetable_);
    for (BoardMember& member : timetable_.members) {
        member.timetable->walkMinutes = minutesFor(*member.timetable);
    }
}

BoardFrame BoardSession::ShowLoaded(Moment now) {
    BoardFrame frame;
    scrollHold_.Release();
    timetable_.FindNextDeparture(now, realTime_);
    // A timetable read anew has rows of its own, whatever section they were made for.
    Refill(frame);
    if (timetable_.displayMode == DisplayMode::ViewMoment) {
        ShowAtInto(DisplayMode::ViewMoment, timetable_.viewMoment, frame);
    } else {
        realTime_ = true;
        ShowAtInto(DisplayMode::RealTime, now, frame);
    }
    ArrivalsOfSelectedRow(frame);
    return Completed(frame);
}

BoardFrame BoardSession::ShowAt(DisplayMode mode, Moment moment) {
    BoardFrame frame;
    ShowAtInto(mode, moment, frame);
    // The stations shown must be those of the departure now selected.
    RefreshArrivals(false, frame);
    return Completed(frame);
}

void BoardSession::ShowAtInto(DisplayMode mode, Moment moment, BoardFrame& frame) {
    timetable_.displayMode = mode;
    const int index = timetable_.FindViewDeparture(moment);
    // A moment of a later day shows that day's section.
    const bool refilled = RefillForNewSection(frame);
    if (index >= 0) {
        Select(index);
        frame.topRow = mode == DisplayMode::RealTime ? RealTimeTopRow(index) : TopRowFor(index);
    }
    if (refilled) {
        ArrivalsOfSelectedRow(frame);
    }
}

BoardFrame BoardSession::ShowAtMinute(int minutes, Moment now) {
    if (minutes == -1) {
        return ShowAt(DisplayMode::RealTime, now);
    }
    return ShowAt(DisplayMode::ViewMoment, timetable_.MomentOfMinute(minutes));
}

std::optional<BoardFrame> BoardSession::StepHour(bool later) {
    const std::optional<HourStep> step = FindHourStep(timetable_, later);
    if (!step) {
        return std::nullopt;  // a day without departures has no hour to go to
    }
    realTime_ = false;
    BoardFrame frame;
    ShowAtInto(DisplayMode::HourBlocks, step->moment, frame);
    RefreshArrivals(true, frame);
    return Completed(frame);
}

std::optional<BoardFrame> BoardSession::ShowPrevious(int topRow) {
    const std::optional<Moment> moment = PreviousDepartureMoment(timetable_, topRow);
    if (!moment) {
        return std::nullopt;
    }
    realTime_ = false;
    BoardFrame frame;
    const int row = timetable_.FindViewDeparture(*moment);
    const bool refilled = RefillForNewSection(frame);
    if (refilled) {
        ArrivalsOfSelectedRow(frame);
    }
    // The row above itself: a search by its minute finds the first train of that minute, or in
    // real time the first one the walk reaches, and would skip rows or not move at all.
    frame.topRow = refilled ? row : topRow - 1;
    return Completed(frame);
}

BoardFrame BoardSession::SetWalkMinutes(int minutes, Moment now, std::uint64_t tickMs) {
    timetable_.SourceOf(selectedRow_).walkMinutes = minutes;
    return Tick(now, tickMs);
}

BoardFrame BoardSession::SetRealTime(bool on) {
    realTime_ = on;
    if (on) {
        scrollHold_.Release();
    }
    return Completed({});
}

BoardFrame BoardSession::SetForcedDay(DayType day, Moment now, std::uint64_t tickMs) {
    timetable_.SetForcedDay(day);
    return Tick(now, tickMs);  // the forced day's rows at once, not at the next tick
}

BoardFrame BoardSession::SelectRow(int row) {
    BoardFrame frame;
    if (row != NextRow()) {
        realTime_ = false;
    }
    selectedRow_ = row;
    rememberedSelection_ = row;
    RefreshArrivals(true, frame);
    return Completed(frame);
}

int BoardSession::TopRowFor(int index) const {
    return timetable_.settings().prevDisp != 0 && index >= 1 ? index - 1 : index;
}

int BoardSession::RealTimeTopRow(int next) const {
    // The trains the walk no longer reaches stay in sight above the next departure, dimmed.
    if (!timetable_.Walks()) {
        return TopRowFor(next);
    }
    return TopRowFor(std::min(next, timetable_.FirstToLeave()));
}

int BoardSession::NextRow() const {
    return timetable_.FindSection() != nullptr ? timetable_.nextIndex : -1;
}

std::uint8_t BoardSession::MaskOnShow() const {
    const DaySection* section = timetable_.FindSection();
    return section != nullptr ? section->dayMask : 0;
}

bool BoardSession::RefillForNewSection(BoardFrame& frame) {
    if (MaskOnShow() == filledMask_) {
        return false;
    }
    Refill(frame);
    return true;
}

void BoardSession::Refill(BoardFrame& frame) {
    filledMask_ = MaskOnShow();
    frame.refilled = true;
    selectedRow_ = -1;  // new rows carry no selection
}

void BoardSession::Select(int row) {
    rememberedSelection_ = selectedRow_;
    selectedRow_ = row;
}

void BoardSession::RefreshArrivals(bool force, BoardFrame& frame) const {
    // Nothing selected: the stations of the last selected departure stay on show.
    if (selectedRow_ < 0 || (!force && selectedRow_ == rememberedSelection_)) {
        return;
    }
    frame.arrivals = ArrivalsChange::Rebuild;
}

void BoardSession::ArrivalsOfSelectedRow(BoardFrame& frame) const {
    // With no departure selected, the stations of rows no longer shown would stay and transfer
    // from the wrong train or line.
    frame.arrivals = selectedRow_ < 0 ? ArrivalsChange::Clear : ArrivalsChange::Rebuild;
}

BoardFrame BoardSession::Completed(BoardFrame frame) const {
    frame.selectedRow = selectedRow_;
    frame.nextRow = NextRow();
    frame.realTime = realTime_;
    // A board names the line of the selected train, or of the next one.
    const int row = selectedRow_ >= 0 ? selectedRow_ : frame.nextRow;
    if (const DaySection* section = timetable_.SourceSectionOf(row)) {
        frame.caption1 = section->caption1;
        frame.caption2 = section->caption2;
    }
    return frame;
}
