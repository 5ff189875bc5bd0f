// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}
class DataStore;

// The lines `kovaris catalogue` prints for the level in `store`: kind, target as written,
// caption and resolved path, tab-separated; "* " marks the default entry, two spaces the others.
std::vector<std::wstring> CatalogueLines(const DataStore& store, int defaultIndex);

// `kovaris catalogue [--data-root DIR] [--cfg] [--at TIME] [--settings FILE] [PATH...]`: the
// catalogue level the program shows at start, or the one reached by entering the named
// sub-levels in turn, so users can check their route configuration. A level that cannot be
// loaded prints the program's message on `err` and sets `status` to 1.
void AddCatalogueCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status);
