// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Where the core's messages to the user go: the window layer shows a message box with an OK
// button, the terminal tool prints to stderr, tests record them.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual void Show(const std::wstring& title, const std::wstring& text) = 0;
};
