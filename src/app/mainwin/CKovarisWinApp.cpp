// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/CKovarisWinApp.h"

#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "mainwin/BringToFront.h"
#include "mainwin/CKovarisDlg.h"
#include "mainwin/DesktopNotifier.h"
#include "mainwin/HistoryRequestServer.h"
#include "mainwin/WindowStateKeeper.h"
#include "settings/SettingsMessages.h"
#include "text/WideText.h"
#include "timetable/Clock.h"

// The program saves once, at the end of the run, in Run.
CKovarisWinApp::CKovarisWinApp(Options options) : options_(options) {}

int CKovarisWinApp::Run() {
    // One window per settings file: a second start brings the first one to the front instead
    // of opening a window that would save over what the first one saves.
    HistoryRequestServer requests(messenger_);
    const auto listening = requests.Listen(wtext::WideToUtf8(settings_.filePath));
    if (listening == HistoryRequestServer::Start::AnotherWindow) {
        return requests.RaiseRunningWindow() ? 0 : 1;
    }
    bool sayNoSocket = listening == HistoryRequestServer::Start::Unavailable;
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
        QObject::connect(&notifier, &DesktopNotifier::activated, &window,
                         [&window] { BringToFront(window); });
        messenger_.SetParent(&window);
        requests.Serve(&window, [&window](int index) { return window.ShowHistoryEntry(index); });
        if (std::exchange(sayNoSocket, false)) {
            window.ShowStatusMessage(requests.problem());
        }
        if (!options_.notice.isEmpty()) {
            window.ShowStatusMessage(std::exchange(options_.notice, QString()));
        }
        if (options_.exitAfterFirstPaint) {
            window.ExitAfterFirstPaint();
        }
        window.exec();
        kept.Keep(window, run_.reminder.IsOn());
        messenger_.SetParent(nullptr);
        restart = window.RestartRequested();
    } while (restart);
    return SaveAtEnd();
}

int CKovarisWinApp::SaveAtEnd() {
    std::wstring failedKey;
    if (settings_.Save(&failedKey)) {
        return 0;
    }
    const std::wstring text = SettingsSaveFailedText(settings_, failedKey);
    std::fprintf(stderr, "kovariswin: %s\n", wtext::WideToUtf8(text).c_str());
    // A file left unread was named when it was read; a run that ends by itself has nobody to
    // close a box.
    if (!settings_.FileLeftUnread() && !options_.exitAfterFirstPaint) {
        messenger_.Show(std::wstring(kSettingsSaveFailedTitle), text);
    }
    return 1;
}
