// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "Kovaris.h"

int main(int argc, char** argv) {
    return RunKovaris(argc, argv, std::cout, std::cerr);
}
