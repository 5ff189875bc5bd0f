// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "timetable/Moment.h"

// The local time and a millisecond tick. The program uses the system clock; tests and the
// terminal tool's --at use a clock they set.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Moment Now() const = 0;
    virtual std::uint64_t TickMs() const = 0;
};

class SystemClock final : public Clock {
public:
    Moment Now() const override;
    std::uint64_t TickMs() const override;
};

// The system clock moved to start at a chosen moment and run on from there, for demonstrations
// and screenshots of a given time of day.
class ShiftedClock final : public Clock {
public:
    explicit ShiftedClock(Moment start);
    Moment Now() const override;
    std::uint64_t TickMs() const override { return system_.TickMs(); }

private:
    SystemClock system_;
    double offsetDays_ = 0.0;
};

// A clock that stands still until told to move.
class ManualClock final : public Clock {
public:
    explicit ManualClock(Moment now = Moment()) : now_(now) {}
    Moment Now() const override { return now_; }
    std::uint64_t TickMs() const override { return tickMs_; }

    void Set(Moment now) { now_ = now; }
    // Moves both the local time and the tick forward.
    void AdvanceMs(std::uint64_t ms);

private:
    Moment now_;
    std::uint64_t tickMs_ = 0;
};
