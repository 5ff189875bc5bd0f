#include "mainwin/CKovarisWinApp.h"

#include <memory>

#include "mainwin/CKovarisDlg.h"
#include "mainwin/DesktopNotifier.h"
#include "mainwin/WindowStateKeeper.h"
#include "timetable/Clock.h"

// The program saves once, at the end of the run, in Run.
CKovarisWinApp::CKovarisWinApp(Options options) : options_(options) {}

int CKovarisWinApp::Run() {
    std::unique_ptr<Clock> clock;
    if (options_.startAt) {
        clock = std::make_unique<ShiftedClock>(*options_.startAt);
    } else {
        clock = std::make_unique<SystemClock>();
    }
    WindowStateKeeper kept(settings_.filePath);
    run_.reminder.SetOn(kept.ReminderOn());
    bool restart = false;
    do {
        CKovarisDlg window(settings_, *clock, messenger_, run_);
        kept.Restore(window);
        DesktopNotifier notifier;
        QObject::connect(&window, &CKovarisDlg::reminderDue, &notifier, &DesktopNotifier::Notify);
        QObject::connect(&notifier, &DesktopNotifier::unavailable, &window,
                         &CKovarisDlg::ShowStatusMessage);
        messenger_.SetParent(&window);
        window.ListenForHistoryRequests();
        if (options_.exitAfterFirstPaint) {
            window.ExitAfterFirstPaint();
        }
        window.exec();
        kept.Keep(window, run_.reminder.IsOn());
        messenger_.SetParent(nullptr);
        restart = window.RestartRequested();
    } while (restart);
    return settings_.Save() ? 0 : 1;
}
