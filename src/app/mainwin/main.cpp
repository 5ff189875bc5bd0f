#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <optional>
#include <string_view>

#include "KovarisVersion.h"
#include "controls/FontSetup.h"
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

}  // namespace

int main(int argc, char** argv) {
    if (OnlyPrints(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kovariswin"));
    QApplication::setApplicationVersion(QString::fromLatin1(kKovarisVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));

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
    parser.process(app);

    CKovarisWinApp::Options options;
    options.exitAfterFirstPaint = parser.isSet(exitAfterFirstPaint);
    if (parser.isSet(at)) {
        options.startAt = ParseMoment(parser.value(at).toStdString());
        if (!options.startAt) {
            std::fprintf(stderr, "kovariswin: --at takes \"YYYY-MM-DD HH:MM:SS\"\n");
            return 2;
        }
    }
    if (parser.isSet(userConfig)) {
        QtMessenger messenger;
        if (!EnterUserConfigFolder(messenger)) {
            return 1;
        }
    }
    RegisterFontSubstitutions();
    return CKovarisWinApp(options).Run();
}
