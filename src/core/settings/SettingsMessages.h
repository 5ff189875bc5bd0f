// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

class AppSettings;

inline constexpr std::wstring_view kSettingsWarningTitle = L"KovarisWM(警告)";
inline constexpr std::wstring_view kSettingsFileName = L"設定ファイル";
inline constexpr std::wstring_view kColorFileName = L"色設定ファイル";

// What the program says when the settings file could not be written.
inline constexpr std::wstring_view kSettingsSaveFailedTitle = L"KovarisWM(エラー)";
inline constexpr std::wstring_view kSettingsSaveFailedText = L"設定の保存に失敗しました";

// That the file `what` ("設定ファイル", "色設定ファイル") at `path` was found but could not be
// read, and so is not written over.
std::wstring UnreadFileText(std::wstring_view what, std::wstring_view path);

// Why AppSettings::Save failed: the key whose value Shift-JIS cannot hold (`failedKey` as Save
// gave it), the file it leaves alone as unread, or else the file that could not be written.
std::wstring SettingsSaveFailedText(const AppSettings& settings, std::wstring_view failedKey);
