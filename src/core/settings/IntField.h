// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// An integer typed into a settings page, checked against the range the page accepts.
struct IntFieldCheck {
    bool ok = false;
    int value = 0;
    std::wstring message;  // what to tell the user when not ok
};

// Blanks around the number are allowed, anything else beside it is not: "12a" is no integer.
IntFieldCheck CheckIntField(std::wstring_view text, int min, int max);
