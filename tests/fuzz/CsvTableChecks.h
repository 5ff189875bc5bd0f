// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "gtfs/CsvTable.h"
#include "gtfs/FeedSource.h"
#include "gtfs/GtfsError.h"
#include "text/WideText.h"

// Reads `name` of `feed` through CsvTable to its end, or to the GtfsError that refuses it, and
// traps when a record breaks what the reader promises: each begins on a later line than the
// one before, and its fields are UTF-8 text within the bound, without NUL bytes.
inline void ReadToEndChecked(const FeedSource& feed, const std::string& name) {
    try {
        CsvTable table(feed, name);
        long line = table.Line();
        if (line < 1) {
            __builtin_trap();
        }
        while (table.Next()) {
            if (table.Line() <= line) {
                __builtin_trap();
            }
            line = table.Line();
            std::size_t bytes = 0;
            for (std::size_t column = 0; column < table.FieldCount(); ++column) {
                const std::string_view field = table.Field(column);
                bytes += field.size();
                if (!wtext::IsValidUtf8(field) || field.find('\0') != std::string_view::npos) {
                    __builtin_trap();
                }
            }
            if (bytes > CsvTable::kMaxLineBytes) {
                __builtin_trap();
            }
        }
    } catch (const GtfsError&) {
        // A refusal with a message is the other good outcome.
    }
}
