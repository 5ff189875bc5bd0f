// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

// The core speaks Japanese and has no Qt: its messages, and the few names it gives the window,
// come as Japanese text, some lines with a path, a name or a number inside. This puts them in
// the window's language line by line: a line known whole, or one that fits a known line with
// "%1" in it, is translated with what stands there kept; any other line (a path, a name from a
// data file) stays as it is. Every line the core or a Messenger caller writes is listed in
// CoreText.cpp, which lupdate reads.
QString TranslateCoreText(std::wstring_view text);
