// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// What tells one of the user's settings files from another in the names of files and sockets
// kept for it.

// The file's full path, one name however it was reached ("./Kovaris.ini", a link, "..").
std::string FullPathOf(const std::filesystem::path& file);

// Sixteen lower-case hex digits of FNV-1a: short, and stable across runs, builds and machines,
// as part of a file name must be.
std::string Digest(std::string_view text);
