// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// How long a traveller who scrolled the departure list keeps that view before the real-time
// board follows the clock again: the hold lasts while the list is scrolled and for a few
// seconds after the last scroll, or until it is released.
class ScrollHold {
public:
    static constexpr std::uint64_t kHoldMs = 8000;

    // The traveller scrolled at `tickMs`.
    void Touch(std::uint64_t tickMs);
    void Release();
    // Whether the real-time board must leave the scroll position alone at `tickMs`.
    bool Holds(std::uint64_t tickMs) const;

private:
    std::uint64_t lastTouchMs_ = 0;
    bool touched_ = false;
};
