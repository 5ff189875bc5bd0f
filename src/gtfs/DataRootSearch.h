// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// The nearest file `name` (found whatever the case of its name) in `folder` or a folder above:
// how an output folder, which need not exist yet, finds the data root it lies in.
std::optional<std::filesystem::path> FindDataRootFile(const std::filesystem::path& folder,
                                                      std::wstring_view name);
