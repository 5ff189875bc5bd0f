// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IntField.h"

#include <optional>

#include "text/WideText.h"

namespace {

std::optional<int> WholeInt(std::wstring_view text) {
    const std::wstring_view trimmed = wtext::Trim(text);
    std::size_t pos = 0;
    const std::optional<int> value = wtext::ScanInt(trimmed, pos);
    if (!value || pos != trimmed.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

IntFieldCheck CheckIntField(std::wstring_view text, int min, int max) {
    const std::optional<int> value = WholeInt(text);
    if (!value) {
        return {false, 0, L"整数を入力してください。"};
    }
    if (*value < min || *value > max) {
        return {false, *value,
                std::to_wstring(min) + L" から " + std::to_wstring(max) +
                    L" までの整数を入力してください。"};
    }
    return {true, *value, L""};
}
