// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Appends `format` to `out` with its "%d", "%0Nd" and "%%" conversions filled from `args` in
// order, as the C formatting functions would, without their locale or a fixed buffer. A
// conversion without an argument left prints nothing. Reuses `out`'s capacity, so a caller that
// keeps its string allocates nothing once the string has grown.
void AppendIntFormat(std::wstring& out, std::wstring_view format, std::initializer_list<int> args);

// Appends `value` with at least `width` characters, zero-padded after any minus sign ("%0Nd").
void AppendZeroPadded(std::wstring& out, int value, int width);
