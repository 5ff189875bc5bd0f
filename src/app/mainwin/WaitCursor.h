// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shows the wait cursor over the whole program while file work runs on the GUI thread.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
