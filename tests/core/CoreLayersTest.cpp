// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitLayers(const std::string& list) {
    std::vector<std::string> layers;
    std::stringstream in(list);
    for (std::string layer; std::getline(in, layer, ',');) {
        layers.push_back(layer);
    }
    return layers;
}

int LayerIndex(const std::vector<std::string>& layers, const std::string& folder) {
    for (size_t i = 0; i < layers.size(); ++i) {
        if (layers[i] == folder) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Every include in the tree under `root` that breaks the stack, as "file:line: reason".
std::vector<std::string> StackViolations(const fs::path& root,
                                         const std::vector<std::string>& layers) {
    static const std::regex ownInclude(R"(^\s*#\s*include\s*"([A-Za-z_]+)/)");
    static const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Qt|Q[A-Z]|qt))");
    std::vector<std::string> found;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        const std::string ext = item.path().extension().string();
        if (!item.is_regular_file() || (ext != ".h" && ext != ".cpp")) {
            continue;
        }
        const fs::path relative = fs::relative(item.path(), root);
        const std::string folder = relative.begin()->string();
        const int own = LayerIndex(layers, folder);
        std::ifstream in(item.path());
        int lineNo = 0;
        for (std::string line; std::getline(in, line);) {
            ++lineNo;
            const std::string where = relative.string() + ":" + std::to_string(lineNo) + ": ";
            std::smatch m;
            if (std::regex_search(line, qtInclude)) {
                found.push_back(where + "includes Qt");
            } else if (own < 0) {
                found.push_back(where + "folder '" + folder + "' is not in the stack");
                break;
            } else if (std::regex_search(line, m, ownInclude) && LayerIndex(layers, m[1]) > own) {
                found.push_back(where + "'" + folder + "' includes '" + m[1].str() +
                                "', which lies above it");
            }
        }
    }
    return found;
}

TEST(CoreLayersTest, EveryFolderIncludesOnlyTheFoldersBelowIt) {
    const auto layers = SplitLayers(KOVARIS_CORE_LAYERS);
    ASSERT_GE(layers.size(), 2u);
    for (const std::string& v : StackViolations(KOVARIS_CORE_SOURCE, layers)) {
        ADD_FAILURE() << v;
    }
}

// The check itself must see an upward include, an unknown folder and Qt, or the test above
// could pass on a broken tree.
TEST(CoreLayersTest, TheCheckNamesFileAndLineOfEachViolation) {
    TempDir dir;
    auto write = [&](const std::string& name, const std::string& text) {
        fs::create_directories((dir.path() / name).parent_path());
        std::ofstream(dir.path() / name) << text;
    };
    write("low/A.h", "#pragma once\n#include \"low/B.h\"\n\n#include \"high/C.h\"\n");
    write("high/C.cpp", "#include \"low/A.h\"\n#include <QString>\n");
    write("odd/D.h", "#pragma once\n");

    auto found = StackViolations(dir.path(), {"low", "high"});
    std::sort(found.begin(), found.end());
    const std::vector<std::string> expected = {
        "high/C.cpp:2: includes Qt",
        "low/A.h:4: 'low' includes 'high', which lies above it",
        "odd/D.h:1: folder 'odd' is not in the stack",
    };
    EXPECT_EQ(found, expected);
}

}  // namespace
