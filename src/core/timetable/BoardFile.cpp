// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/BoardFile.h"

#include "files/SJisLines.h"
#include "text/WideText.h"

bool BoardFile::Names(std::wstring_view path) {
    constexpr std::wstring_view kExtension = L".BRD";
    return path.size() > kExtension.size() &&
           wtext::ToUpper(path.substr(path.size() - kExtension.size())) == kExtension;
}

BoardFile BoardFile::Parse(std::string_view bytes) {
    BoardFile board;
    SJisLines lines(bytes);
    std::wstring line;
    bool first = true;
    while (lines.ReadString(line)) {
        const std::wstring_view text = wtext::Trim(line);
        if (first && text.starts_with(L';')) {
            board.title = wtext::Trim(text.substr(1));
        }
        first = false;
        if (text.empty() || text.starts_with(L';')) {
            continue;
        }
        std::size_t end = 0;
        while (end < text.size() && !wtext::IsSpace(text[end])) {
            ++end;
        }
        board.members.push_back(
            {std::wstring(text.substr(0, end)), std::wstring(wtext::Trim(text.substr(end)))});
    }
    return board;
}
