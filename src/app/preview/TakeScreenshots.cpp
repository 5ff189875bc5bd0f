// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the main window on a data root and saves screenshots of the screen it is shown on, for a
// person to look at: kovaris-screens [--dialogs] WORKING_FOLDER OUTPUT_FOLDER "YYYY-MM-DD
// HH:MM:SS". The working folder holds the Kovaris.ini to start with; scripts/screenshots.sh
// prepares one on the demo data and runs this on a private X server. With --dialogs it shows the
// settings dialog's pages, the colour dialog and the About box instead
// (scripts/dialog-screenshots.sh).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QListWidget>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <cstdio>
#include <cstring>

#include "controls/CLstTimes.h"
#include "controls/FontSetup.h"
#include "dialogs/CDlgSetColor.h"
#include "dialogs/CDlgSetting.h"
#include "i18n/InterfaceLanguage.h"
#include "mainwin/AboutBox.h"
#include "mainwin/CKovarisDlg.h"
#include "mainwin/DesktopNotifier.h"
#include "mainwin/RunState.h"
#include "settings/AppSettings.h"
#include "text/Messenger.h"
#include "timetable/Clock.h"

namespace {

class PrintingMessenger final : public Messenger {
public:
    void Show(const std::wstring& title, const std::wstring& text) override {
        std::fprintf(stderr, "%ls: %ls\n", title.c_str(), text.c_str());
    }
};

// Lets the window run for `ms` of real time, as a traveller would see it.
void Run(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

bool Shoot(const QWidget& window, const QString& folder, const QString& name) {
    const QRect frame = window.frameGeometry();
    const QPixmap shot =
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!shot.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The first arrival-list row that offers a transfer, or -1.
int TransferRow(CKovarisDlg& window) {
    const QListWidget& list = window.arrivals();
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->text().contains(QStringLiteral("＞"))) {
            return row;
        }
    }
    return -1;
}

// Each page of the settings dialog, and the colour dialog for a departure with two marks.
bool ShootDialogs(const Clock& clock, const QString& out) {
    AppSettings settings;
    PrintingMessenger messenger;
    settings.Load(&messenger);
    settings.shortcutKeys[8] = 116;  // F5 goes back one transfer
    CDlgSetting dialog(settings, clock, messenger);
    dialog.move(20, 20);
    dialog.show();
    bool ok = true;
    const char* names[] = {"1-basic", "2-clock", "3-font", "4-behaviour", "5-keys"};
    for (int page = 0; page < dialog.tabs().count(); ++page) {
        dialog.tabs().setCurrentIndex(page);
        Run(400);
        ok = Shoot(dialog, out, QStringLiteral("settings-") + QLatin1String(names[page])) && ok;
    }
    dialog.hide();

    CDlgSetColor colors(L"快速", 0x0000FF, L"東京行", 0x800000);
    colors.move(20, 20);
    colors.show();
    Run(400);
    ok = Shoot(colors, out, QStringLiteral("colour-dialog")) && ok;
    colors.hide();

    AboutBox about(QIcon(QStringLiteral(":/kovariswin/kovariswin.svg")));
    about.move(20, 20);
    about.show();
    Run(400);
    return Shoot(about, out, QStringLiteral("about-box")) && ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool dialogs = argc == 5 && std::strcmp(argv[1], "--dialogs") == 0;
    if (dialogs) {
        ++argv;
        --argc;
    }
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: kovaris-screens [--dialogs] WORKING_FOLDER OUTPUT_FOLDER MOMENT\n");
        return 2;
    }
    const auto start = ParseMoment(argv[3]);
    if (!start || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "kovaris-screens: bad moment or working folder\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    RegisterFontSubstitutions();
    InstallTranslations(ChooseInterfaceLanguage(QLocale::system().uiLanguages()));
    if (dialogs) {
        return ShootDialogs(ShiftedClock(*start), out) ? 0 : 1;
    }

    AppSettings settings;
    ShiftedClock clock(*start);
    PrintingMessenger messenger;
    RunState run;
    CKovarisDlg window(settings, clock, messenger, run);
    window.move(20, 20);
    window.show();
    Run(1500);
    bool ok = Shoot(window, out, QStringLiteral("1-real-time"));

    const int next = window.departures().currentRow();
    window.departures().setCurrentRow(next + 2);
    Run(300);
    window.arrivals().setCurrentRow(TransferRow(window));
    Run(200);
    ok = Shoot(window, out, QStringLiteral("2-arrivals-with-transfer")) && ok;

    window.Transfer();
    Run(600);
    ok = Shoot(window, out, QStringLiteral("3-after-transfer")) && ok;

    window.GoBack(true);
    window.resize(300, 400);
    Run(600);
    ok = Shoot(window, out, QStringLiteral("4-narrow")) && ok;

    window.resize(900, 720);
    Run(600);
    ok = Shoot(window, out, QStringLiteral("5-wide")) && ok;

    // Without a notification service (as on a bare X server) the reminder shows at the foot.
    window.resize(360, 440);
    DesktopNotifier notifier;
    QObject::connect(&notifier, &DesktopNotifier::unavailable, &window,
                     &CKovarisDlg::ShowStatusMessage);
    notifier.Notify(QStringLiteral("発車まであと5分"),
                    QStringLiteral("08:26 快速 桜川中央 (桜川線 若葉台 桜川中央方面)"));
    Run(1500);
    ok = Shoot(window, out, QStringLiteral("6-reminder-without-notifications")) && ok;

    // The keyboard's place: the departure list frames its current row while it has the focus.
    window.activateWindow();
    window.departures().setFocus(Qt::TabFocusReason);
    Run(600);
    if (!window.departures().hasFocus()) {
        std::fprintf(stderr, "the departure list did not take the focus\n");
    }
    ok = Shoot(window, out, QStringLiteral("7-list-with-the-focus")) && ok;
    return ok ? 0 : 1;
}
