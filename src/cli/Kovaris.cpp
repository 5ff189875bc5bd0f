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

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err);
    }
    return status;
}
