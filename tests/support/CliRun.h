// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Kovaris.h"

// What one run of the terminal tool printed and returned.
struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

// Runs `kovaris ARGS...` with string streams in place of the terminal.
inline CliRun RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), "kovaris");
    std::vector<const char*> argv;
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = RunKovaris(static_cast<int>(argv.size()), argv.data(), out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}
