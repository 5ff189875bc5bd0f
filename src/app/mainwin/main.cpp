// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>
#include <optional>
#include <string_view>

#include "KovarisVersion.h"
#include "controls/FontSetup.h"
#include "i18n/InterfaceLanguage.h"
#include "mainwin/CKovarisWinApp.h"
#include "mainwin/QtMessenger.h"
#include "mainwin/UserConfigStart.h"

namespace {

// Asking for the help or the version only prints; it must work where no display is, too.
bool OnlyPrints(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version") {
            return true;
        }
    }
    return false;
}

// Whether Qt has anything to show a window on; without one it would abort with a text about
// reinstalling the program.
bool DisplayAvailable(int argc, char** argv) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable)) {
            return true;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "-platform") {
            return true;
        }
    }
    return false;
}

// A wrong argument is one line that names it, and status 2, as the GNU tools have it.
int UsageError(const QString& message) {
    std::fprintf(stderr, "kovariswin: %s\n", qPrintable(message));
    return 2;
}

struct ProgramOptions {
    CKovarisWinApp::Options window;
    bool userConfig = false;
};

// Reads the options; the exit status when the program ends here (after --help or --version,
// or a wrong argument).
std::optional<int> ReadOptions(const QCoreApplication& app, ProgramOptions& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A departure board for rail travellers. It reads Kovaris.ini in the current folder."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption at(
        QStringLiteral("at"),
        QStringLiteral("Start the clock at this moment and let it run on from there."),
        QStringLiteral("YYYY-MM-DD HH:MM:SS"));
    const QCommandLineOption exitAfterFirstPaint(
        QStringLiteral("exit-after-first-paint"),
        QStringLiteral("Exit once the departure list has first been painted with a timetable."));
    const QCommandLineOption userConfig(
        QStringLiteral("user-config"),
        QStringLiteral("Work in $XDG_CONFIG_HOME/kovariswin (made on the first start, with a copy "
                       "of the demo data), as the desktop menu entry does."));
    parser.addOption(at);
    parser.addOption(exitAfterFirstPaint);
    parser.addOption(userConfig);
    if (!parser.parse(QCoreApplication::arguments())) {
        return UsageError(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(QStringLiteral("unexpected argument '%1'")
                              .arg(parser.positionalArguments().constFirst()));
    }
    parser.process(app);  // --help and --version print and end the program here

    options.window.exitAfterFirstPaint = parser.isSet(exitAfterFirstPaint);
    options.userConfig = parser.isSet(userConfig);
    if (parser.isSet(at)) {
        options.window.startAt = ParseMoment(parser.value(at).toStdString());
        if (!options.window.startAt) {
            return UsageError(QStringLiteral("--at takes \"YYYY-MM-DD HH:MM:SS\", not \"%1\"")
                                  .arg(parser.value(at)));
        }
    }
    return std::nullopt;
}

void NameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("kovariswin"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kKovarisVersion));
}

// Without a display the arguments are still checked, so that a wrong one is named first.
int RunWithoutDisplay(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    NameTheProgram();
    ProgramOptions options;
    if (const std::optional<int> status = ReadOptions(app, options)) {
        return *status;
    }
    std::fprintf(stderr,
                 "kovariswin: needs a graphical display (neither DISPLAY nor WAYLAND_DISPLAY is "
                 "set); `kovaris board` shows the board in a terminal\n");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (OnlyPrints(argc, argv) || !DisplayAvailable(argc, argv)) {
        return RunWithoutDisplay(argc, argv);
    }
    QApplication app(argc, argv);
    NameTheProgram();
    QApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    ProgramOptions options;
    if (const std::optional<int> status = ReadOptions(app, options)) {
        return *status;
    }
    InstallTranslations(ChooseInterfaceLanguage(QLocale::system().uiLanguages()));
    if (options.userConfig) {
        QtMessenger messenger;
        if (!EnterUserConfigFolder(messenger)) {
            return 1;
        }
    }
    RegisterFontSubstitutions();
    options.window.notice = MissingJapaneseFontNotice();
    if (!options.window.notice.isEmpty()) {
        std::fprintf(stderr, "kovariswin: %s\n", qPrintable(options.window.notice));
    }
    return CKovarisWinApp(options.window).Run();
}
