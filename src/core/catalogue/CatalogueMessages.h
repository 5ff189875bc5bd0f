// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The texts the catalogue and the transfers show the user.

inline constexpr std::wstring_view kErrorTitle = L"KovarisWin(エラー)";
inline constexpr std::wstring_view kWarningTitle = L"KovarisWin(警告)";

inline constexpr std::wstring_view kSelectTransferStationWarning =
    L"到着駅リストから乗換駅を選択してください";
inline constexpr std::wstring_view kNoTransferDataWarning =
    L"乗り換えデータを設定した到着駅を選択してください";
inline constexpr std::wstring_view kNoEarlierTimetableError = L"乗り換え前の時刻表はありません";

// A level that could not be loaded: the configuration file's message in configuration mode,
// the directory's otherwise, each followed by a line break and the path.
std::wstring LevelLoadFailedMessage(bool configurationMode, std::wstring_view path);

// A timetable file that could not be loaded.
std::wstring TimetableLoadFailedMessage(std::wstring_view path);

// The members of a board that could not be read, one path per line after the message.
std::wstring BoardMembersUnreadableMessage(const std::vector<std::wstring>& paths);

// A timetable file written in UTF-8: its path and the command that converts it.
std::wstring TimetableInUtf8Message(std::wstring_view path);
