// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// The two names of each bindable action: its key in the settings file and what the key page
// shows. Both tables follow the order of ShortcutAction.
std::wstring_view ShortcutKeyName(int index);
std::wstring_view ShortcutDisplayName(int index);

// A row of the key page's list: the key code in at least four lower-case hex digits, " : ",
// then the display name padded or cut to 20 characters ("0074 : 乗換 戻る            ").
std::wstring ShortcutRowText(int keyCode, int index);
// The same row with the name in the window's language.
std::wstring ShortcutRowText(int keyCode, std::wstring_view displayName);
// The key code alone in lower-case hex without leading zeros ("74", "0" when unbound).
std::wstring ShortcutCodeText(int keyCode);
