// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ColorTable.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

#include "files/AtomicSave.h"
#include "files/RegularFile.h"
#include "files/SJisLines.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"

namespace {

constexpr std::size_t kMaxNameLength = 129;

// The low byte of a component as read; -5 gives 251 and 300 gives 44.
ColorRef LowByte(int component) {
    return static_cast<ColorRef>(component) & 0xFFu;
}

// A "name=r,g,b" line; nothing when a part is missing, since a half entry names no colour.
bool ParseColorLine(std::wstring_view line, std::wstring& name, ColorRef& color) {
    const std::size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos || equals == 0) {
        return false;
    }
    name = wtext::TrimLeft(wtext::TrimRight(line.substr(0, std::min(equals, kMaxNameLength))));
    // A line without a name cannot be written back and read again.
    if (name.empty()) {
        return false;
    }
    std::size_t pos = equals + 1;
    ColorRef value = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        if (shift > 0) {
            if (pos >= line.size() || line[pos] != L',') {
                return false;
            }
            ++pos;
        }
        const std::optional<int> component = wtext::ScanInt(line, pos);
        if (!component) {
            return false;
        }
        value |= LowByte(*component) << shift;
    }
    color = value;
    return true;
}

}  // namespace

void ColorTable::Load(std::wstring_view path) {
    std::string bytes;
    const FileRead read = ReadRegularFile(path, bytes);
    SJisLines lines(bytes);
    Read(lines);
    fileLeftUnread_ = LeftUnread(read);
}

void ColorTable::Read(SJisLines& lines) {
    entries_.clear();
    std::wstring line;
    std::wstring name;
    ColorRef color = 0;
    while (lines.ReadString(line)) {
        if (ParseColorLine(line, name, color)) {
            entries_[name] = color;
        }
    }
}

std::string ColorTable::FileBytes() const {
    std::string bytes;
    for (const auto& [name, color] : entries_) {
        bytes += ToSJis(name);
        bytes += '=' + std::to_string(color & 0xFFu) + ',' + std::to_string((color >> 8) & 0xFFu) +
                 ',' + std::to_string((color >> 16) & 0xFFu) + "\r\n";
    }
    return bytes;
}

bool ColorTable::Save(std::wstring_view path) const {
    return !fileLeftUnread_ && SaveAtomically(path, FileBytes());
}

std::optional<ColorRef> ColorTable::Find(std::wstring_view name) const {
    const auto it = entries_.find(name);
    if (it == entries_.end()) {
        return std::nullopt;
    }
    return it->second;
}
