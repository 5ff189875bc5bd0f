// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ScrollHold.h"

void ScrollHold::Touch(std::uint64_t tickMs) {
    lastTouchMs_ = tickMs;
    touched_ = true;
}

void ScrollHold::Release() {
    touched_ = false;
}

bool ScrollHold::Holds(std::uint64_t tickMs) const {
    // A tick count that went backwards (another clock) must not hold the view for good.
    return touched_ && tickMs >= lastTouchMs_ && tickMs - lastTouchMs_ < kHoldMs;
}
