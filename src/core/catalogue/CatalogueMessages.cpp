// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueMessages.h"

#include "text/EncodingCheck.h"

std::wstring LevelLoadFailedMessage(bool configurationMode, std::wstring_view path) {
    std::wstring text = configurationMode ? L"環境ファイルの読み込みに失敗しました\n"
                                          : L"ディレクトリ下にTBLファイルがありません\n";
    return text.append(path);
}

std::wstring TimetableLoadFailedMessage(std::wstring_view path) {
    return std::wstring(L"TBLファイルの読み込みに失敗しました\n").append(path);
}

std::wstring TimetableInUtf8Message(std::wstring_view path) {
    return L"TBLファイルが Shift-JIS ではなく UTF-8 で書かれているため、文字化けします\n" +
           std::wstring(path) + L"\n変換するには: " + Utf8ToSJisCommand(path);
}

std::wstring BoardMembersUnreadableMessage(const std::vector<std::wstring>& paths) {
    std::wstring message = L"ボードの次の時刻表を読み込めませんでした";
    for (const std::wstring& path : paths) {
        message.append(L"\n").append(path);
    }
    return message;
}
