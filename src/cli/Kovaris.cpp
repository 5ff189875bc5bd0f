// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kovaris.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>

#include "BoardCommand.h"
#include "CatalogueCommand.h"
#include "DumpCommand.h"
#include "ImportGtfsCommand.h"
#include "KovarisVersion.h"
#include "ShowHistoryCommand.h"

namespace {

// A wrong argument is one line that names it, and status 2, as the GNU tools have it.
int UsageError(std::string message, std::ostream& err) {
    for (char& c : message) {
        if (c == '\n') {
            c = ' ';
        }
    }
    err << "kovaris: " << message << "\n";
    return 2;
}

bool KnownCommand(const CLI::App& app, const std::string& name) {
    for (const CLI::App* command : app.get_subcommands({})) {
        if (command->get_name() == name) {
            return true;
        }
    }
    return false;
}

}  // namespace

int RunKovaris(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"kovaris: the departure board's timetables in a terminal", "kovaris"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("kovaris ") + kKovarisVersion);
    int status = 0;
    // Each command adds itself here.
    AddDumpCommand(app, out, err, status);
    AddCatalogueCommand(app, out, err, status);
    AddBoardCommand(app, out, err, status);
    AddShowHistoryCommand(app, out, err, status);
    AddImportGtfsCommand(app, out, err, status);

    // Before a command, CLI11 would only say that a command is required.
    if (argc > 1) {
        const std::string first = argv[1];
        const bool option = first.starts_with('-');
        if (option ? !(first == "-h" || first == "--help" || first == "--version")
                   : !KnownCommand(app, first)) {
            return UsageError(
                std::string(option ? "unknown option" : "unknown command") + " \"" + first + "\"",
                err);
        }
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {  // --help or --version
            return app.exit(e, out, err);
        }
        return UsageError(e.what(), err);
    }
    return status;
}
