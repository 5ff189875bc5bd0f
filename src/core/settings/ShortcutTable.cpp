// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ShortcutTable.h"

#include <array>
#include <cstdint>

#include "settings/AppSettings.h"

namespace {

constexpr std::array<std::wstring_view, kShortcutCount> kKeyNames = {
    L"SK_TimesUP", L"SK_TimesDOWN", L"SK_1HourPrev", L"SK_1HourNext", L"SK_RealTimeMode",
    L"SK_TrnsUP",  L"SK_TrnsDOWN",  L"SK_TrnsNext",  L"SK_TrnsPrev",  L"SK_TrnsStart",
};

constexpr std::array<std::wstring_view, kShortcutCount> kDisplayNames = {
    L"時刻表 UP",     L"時刻表 DOWN",     L"1時間前表示", L"1時間後表示", L"リアルタイムモード",
    L"到着駅一覧 UP", L"到着駅一覧 DOWN", L"乗換 次へ",   L"乗換 戻る",   L"乗換 最初へ",
};

constexpr std::size_t kNameWidth = 20;

std::wstring_view Lookup(const std::array<std::wstring_view, kShortcutCount>& table, int index) {
    return index >= 0 && index < kShortcutCount ? table[static_cast<std::size_t>(index)]
                                                : std::wstring_view();
}

// A code from a hand-edited file may be negative; it shows as the 32-bit pattern it is.
std::wstring Hex(int value, std::size_t minDigits) {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    auto bits = static_cast<std::uint32_t>(value);
    std::wstring digits;
    do {
        digits.insert(digits.begin(), kDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    if (digits.size() < minDigits) {
        digits.insert(0, minDigits - digits.size(), L'0');
    }
    return digits;
}

}  // namespace

std::wstring_view ShortcutKeyName(int index) {
    return Lookup(kKeyNames, index);
}

std::wstring_view ShortcutDisplayName(int index) {
    return Lookup(kDisplayNames, index);
}

std::wstring ShortcutRowText(int keyCode, int index) {
    return ShortcutRowText(keyCode, ShortcutDisplayName(index));
}

std::wstring ShortcutRowText(int keyCode, std::wstring_view displayName) {
    std::wstring name(displayName.substr(0, kNameWidth));
    name.resize(kNameWidth, L' ');
    return Hex(keyCode, 4) + L" : " + name;
}

std::wstring ShortcutCodeText(int keyCode) {
    return Hex(keyCode, 1);
}
