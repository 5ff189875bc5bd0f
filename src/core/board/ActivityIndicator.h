// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The turning bar on the real-time button that shows the board is following the clock: each
// character stays for two refreshes, so the turn takes 800 ms at ten refreshes a second. It
// stands still as "｜" while the board is held at another moment.
class ActivityIndicator {
public:
    // The text for this refresh; empty when the button keeps the text it has.
    std::wstring_view Step(bool realTime);

private:
    unsigned counter_ = 0;  // lives for the whole run, not just one window
};
