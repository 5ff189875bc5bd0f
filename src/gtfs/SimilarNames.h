// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Up to `count` distinct names from `names` that look like `query` (UTF-8), most alike first:
// names that contain the query or are contained in it, then those a few edits away.
std::vector<std::string> SimilarNames(std::string_view query,
                                      const std::vector<std::string_view>& names,
                                      std::size_t count);
