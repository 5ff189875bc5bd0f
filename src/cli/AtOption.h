// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace CLI {
class App;
class Option;
}  // namespace CLI

// The --at option of a command that can show another moment than now. It takes what
// ParseMoment takes, as the window's --at does, and refuses the rest before the command runs.
CLI::Option* AddAtOption(CLI::App& command, std::string& at, const std::string& description);
