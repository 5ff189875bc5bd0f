// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What a catalogue entry leads to; the values are the ones users' tools have always written.
enum class EntryKind : std::int32_t {
    Node = 1,       // a sub-level: another route configuration file or a subdirectory
    Plain = 2,      // a timetable file
    Morning = 3,    // a timetable file opened by default in the morning
    Afternoon = 4,  // a timetable file opened by default from noon on
    Preferred = 5,  // a timetable file opened by default at any time
};

// "Node", "Plain", ... as the terminal tool prints them.
std::wstring_view EntryKindName(EntryKind kind);

// The marker in front of every caption that leads to a sub-level.
inline constexpr std::wstring_view kNodeMarker = L"＞ ";

// One item the user can pick from the catalogue.
struct CatalogueEntry {
    std::wstring target;   // as written; ResolvePath makes the path
    std::wstring caption;  // shown in the combo box and the timetable menu
    std::wstring baseDir;  // directory the target is relative to; empty: the current directory
    EntryKind kind = EntryKind::Plain;

    bool operator==(const CatalogueEntry&) const = default;
};
