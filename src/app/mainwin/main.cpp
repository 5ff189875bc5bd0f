#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <optional>

#include "KovarisVersion.h"
#include "controls/FontSetup.h"
#include "mainwin/CKovarisWinApp.h"
#include "mainwin/QtMessenger.h"
#include "mainwin/UserConfigStart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kovariswin"));
    QApplication::setApplicationDisplayName(QStringLiteral("KovarisWin"));
    QApplication::setApplicationVersion(QString::fromLatin1(kKovarisVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.kovariswin.KovarisWin"));

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
