// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsMessages.h"

#include <filesystem>
#include <system_error>

#include "files/NativePath.h"
#include "settings/AppSettings.h"

namespace {

// The settings file is named relative to the working folder, which a user started from the
// desktop menu does not know.
std::wstring ShownPath(std::wstring_view path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(NativePath(path), error);
    return error ? std::wstring(path) : DecodeFileName(absolute.lexically_normal().string());
}

}  // namespace

std::wstring UnreadFileText(std::wstring_view what, std::wstring_view path) {
    return std::wstring(what) + L"を読み込めませんでした。このファイルには保存しません\n" +
           ShownPath(path);
}

std::wstring SettingsSaveFailedText(const AppSettings& settings, std::wstring_view failedKey) {
    std::wstring text(kSettingsSaveFailedText);
    if (settings.FileLeftUnread()) {
        return text + L"\n読み込めなかったファイルには保存しません\n" +
               ShownPath(settings.filePath);
    }
    if (!failedKey.empty()) {
        return text + L"\n" + std::wstring(failedKey) +
               L" の値に Shift-JIS で書けない文字があります";
    }
    return text + L"\n" + ShownPath(settings.filePath);
}
