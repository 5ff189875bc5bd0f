// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtOption.h"

#include <CLI/CLI.hpp>

#include "timetable/Moment.h"

CLI::Option* AddAtOption(CLI::App& command, std::string& at, const std::string& description) {
    return command.add_option("--at", at, description)
        ->check(CLI::Validator(
            [](std::string& text) {
                return ParseMoment(text) ? std::string() : "expected \"YYYY-MM-DD HH:MM:SS\"";
            },
            "MOMENT"));
}
