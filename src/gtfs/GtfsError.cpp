// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/GtfsError.h"

namespace {

std::string Locate(std::string_view file, long line, std::string_view column,
                   std::string_view message) {
    std::string text(file);
    text.append(", line ").append(std::to_string(line));
    if (!column.empty()) {
        text.append(", column ").append(column);
    }
    return text.append(": ").append(message);
}

}  // namespace

GtfsError::GtfsError(std::string_view file, long line, std::string_view column,
                     std::string_view message)
    : std::runtime_error(Locate(file, line, column, message)) {}
