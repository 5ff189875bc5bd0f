// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds every file of the folders named on the command line to a fuzz target's entry point, as
// libFuzzer replays a corpus, so the kept seeds stay a regression test in builds without clang.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++count;
        }
    }
    // An empty folder must not pass for a replay.
    if (count == 0) {
        std::cerr << "no inputs in the folders given\n";
        return 1;
    }
    std::cout << count << " inputs, every check held\n";
    return 0;
}
