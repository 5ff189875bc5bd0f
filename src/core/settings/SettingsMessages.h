#pragma once

#include <string_view>

// What the program says when the settings file could not be written.
inline constexpr std::wstring_view kSettingsSaveFailedTitle = L"KovarisWM(エラー)";
inline constexpr std::wstring_view kSettingsSaveFailedText = L"設定の保存に失敗しました";
