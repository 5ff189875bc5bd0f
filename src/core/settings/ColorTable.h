// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class SJisLines;

// Colours are kept as the data files store them: 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;

// Mark name to colour, stored as "color.ini" in the data root ("name=r,g,b" lines).
// Names are ordered by UTF-16 code unit, which is the order the file is written in.
class ColorTable {
public:
    // Replaces the table by the file's content; a missing file leaves the table empty. A file
    // that is there but cannot be read whole (too large, not readable, not a regular file) is
    // never written over by Save.
    void Load(std::wstring_view path);
    // The same from lines in memory.
    void Read(SJisLines& lines);
    // Writes the whole table through a temporary file; false when any step failed, or when it
    // would write over the file Load could not read.
    bool Save(std::wstring_view path) const;
    bool FileLeftUnread() const { return fileLeftUnread_; }
    // What Save writes. A name Shift-JIS cannot hold (only a name read from malformed bytes
    // can be one) is written with "?" in its place, so one odd mark never costs all colours.
    std::string FileBytes() const;

    std::optional<ColorRef> Find(std::wstring_view name) const;
    void Set(const std::wstring& name, ColorRef color) { entries_[name] = color; }
    void Remove(const std::wstring& name) { entries_.erase(name); }
    const std::map<std::wstring, ColorRef, std::less<>>& Entries() const { return entries_; }

private:
    std::map<std::wstring, ColorRef, std::less<>> entries_;
    bool fileLeftUnread_ = false;
};
