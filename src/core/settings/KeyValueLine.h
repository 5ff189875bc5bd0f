// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// One "key=value" line of the settings files: the key is everything before the first "=", the
// value everything after it. Both views point into the line handed in.
struct KeyValueLine {
    std::wstring_view key;
    std::wstring_view value;
};

// Longer keys and values are outside the format; they are cut rather than read whole. A data
// path is the exception: a Linux path may be as long as PATH_MAX, and a path cut on reading
// would be saved cut.
inline constexpr std::size_t kMaxSettingKeyLength = 127;
inline constexpr std::size_t kMaxSettingValueLength = 255;
inline constexpr std::size_t kMaxDataPathLength = 4096;

// Nothing for a line without "=" or with nothing before it: such a line names no key. A line
// ending right after the "=" has an empty value, as the writer produces for an empty text.
// The value is cut at `maxValueLength`.
std::optional<KeyValueLine> SplitKeyValueLine(std::wstring_view line,
                                              std::size_t maxValueLength = kMaxSettingValueLength);
