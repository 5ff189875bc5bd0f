// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

// The terminal tool: parses the arguments, runs one command and returns the exit status.
// Output goes to `out` as UTF-8, errors to `err`.
int RunKovaris(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
