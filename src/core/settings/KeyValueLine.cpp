// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/KeyValueLine.h"

std::optional<KeyValueLine> SplitKeyValueLine(std::wstring_view line, std::size_t maxValueLength) {
    const std::size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos || equals == 0) {
        return std::nullopt;
    }
    return KeyValueLine{line.substr(0, equals).substr(0, kMaxSettingKeyLength),
                        line.substr(equals + 1).substr(0, maxValueLength)};
}
