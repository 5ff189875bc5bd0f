#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <optional>

#include "controls/FontSetup.h"
#include "mainwin/CKovarisWinApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kovariswin"));
    QApplication::setApplicationDisplayName(QStringLiteral("KovarisWin"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A departure board for rail travellers. It reads Kovaris.ini in the current folder."));
    parser.addHelpOption();
    const QCommandLineOption at(
        QStringLiteral("at"),
        QStringLiteral("Start the clock at this moment and let it run on from there."),
        QStringLiteral("YYYY-MM-DD HH:MM:SS"));
    const QCommandLineOption exitAfterFirstPaint(
        QStringLiteral("exit-after-first-paint"),
        QStringLiteral("Exit once the departure list has first been painted with a timetable."));
    parser.addOption(at);
    parser.addOption(exitAfterFirstPaint);
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
    RegisterFontSubstitutions();
    return CKovarisWinApp(options).Run();
}
