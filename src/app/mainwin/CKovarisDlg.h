// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "board/BoardSession.h"
#include "catalogue/ArrivalRows.h"
#include "catalogue/CatalogueEntry.h"
#include "catalogue/DataStore.h"
#include "catalogue/HistoryRequest.h"
#include "settings/AppSettings.h"
#include "settings/WalkTimes.h"
#include "timetable/Timetable.h"

struct RunState;
class ActivityButton;
class CCstClock;
class CKovarisLayout;
class CLstTimes;
class Clock;
class KeyWatch;
class MainMenu;
class Messenger;
class QComboBox;
class QListWidget;
class QMenuBar;
class QPushButton;
class QStatusBar;

// The program's one window: the timetable choice, the clock, the departure list, the arrival
// stations of the selected departure and the buttons. Two timers drive it: a start-up timer that
// opens the catalogue once the window is up, and a refresh timer that follows the clock ten
// times a second while a timetable is shown.
class CKovarisDlg : public QDialog {
    Q_OBJECT

public:
    // Reads the settings file and the companion files into `settings` before anything is built
    // from them. The settings, clock, messenger and run state outlive the window.
    CKovarisDlg(AppSettings& settings, const Clock& clock, Messenger& messenger, RunState& run,
                QWidget* parent = nullptr);
    ~CKovarisDlg() override;

    // Set when the window closed itself to be built again with the settings read anew.
    bool RestartRequested() const { return restartRequested_; }
    // Ends the window once the departure list has been painted with a timetable.
    void ExitAfterFirstPaint();

    // The catalogue: levels, the entries of a level, timetables.
    void OpenNode(const std::optional<CatalogueEntry>& entry, bool up);
    void SelectEntry(int index);
    bool OpenTimetable(const CatalogueEntry& entry);
    bool ShowTimetable(const std::wstring& path);
    // A companion program's request to show entry `index` of the shared history.
    HistoryReply ShowHistoryEntry(int index);

    // Transfers from the selected arrival station, and back.
    void Transfer();
    void GoBack(bool toFirst);

    // One hour earlier or later, to the nearest hour with departures; the departure above the
    // top row.
    void StepHour(bool later);
    void ShowPrevious();

    // Follows the clock: the board, the clock and the reminder at this moment.
    void Refresh();
    void SetRealTime(bool on);
    // Runs the command of a menu item or button.
    void RunCommand(int id);
    // Shows `text` in the status line at the window's foot for a minute.
    void ShowStatusMessage(const QString& text);

    // The two timers' work, callable directly so tests need not wait for real time.
    void OnStartupTimer();
    void OnRefreshTimer();

    bool RealTime() const { return session_.RealTime(); }
    const Timetable& timetable() const { return timetable_; }
    const DataStore& store() const { return store_; }
    CLstTimes& departures() const { return *departures_; }
    QListWidget& arrivals() const { return *arrivals_; }
    QComboBox& combo() const { return *combo_; }
    CCstClock& clockView() const { return *clockView_; }
    MainMenu& menu() const { return *menu_; }
    QPushButton& button(int id) const;
    // Button 1004, whose glyph turns while the board follows the clock.
    const ActivityButton& realTimeButton() const { return *realTimeButton_; }

Q_SIGNALS:
    // A departure the traveller asked to be reminded of leaves in the lead time.
    void reminderDue(const QString& title, const QString& body);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildButtons();
    void ConnectControls();
    void Initialise();
    void ShowLevel(const LevelLoad& load);
    void OnComboSelectionChange();
    void OnDepartureSelectionChange(int row);
    void OnTableCommand(int id);
    void OnTransferCommand(int id);
    void SetForcedDay(DayType day);
    void MarkDayMenu();
    void ToggleConfigurationMode();
    void ShowAbout();
    void ShowSettings();
    void EditColors();
    void EditWalkTime();
    void ToggleReminder();
    void CheckReminder();
    void RunShortcut(ShortcutAction action);
    void Restart();
    void StartRefreshTimer();
    void FillArrivals(const ArrivalList& list);
    void NameShownTimetable();
    // The walking times of KovarisWalk.ini, by timetable path.
    WalkLookup WalkOf() const;
    // Shows a timetable the session opened, or says why it could not.
    bool ShowOpened(const std::wstring& path, const std::optional<BoardFrame>& frame);
    // What a command left on the board: the list, the arrival stations, the captions.
    void ShowFrame(const BoardFrame& frame);
    // The same after a tick, with the clock, the rows' countdowns and the reminder.
    void ShowRefresh(const BoardFrame& frame);
    Moment Now() const;

    AppSettings& settings_;
    const Clock& clock_;
    Messenger& messenger_;
    RunState& run_;
    DataStore store_;
    Timetable timetable_;
    BoardSession session_{timetable_};  // the only writer of what the board shows
    WalkTimes walks_;                   // KovarisWalk.ini, read once at start

    QMenuBar* menuBar_ = nullptr;
    MainMenu* menu_ = nullptr;
    CKovarisLayout* layout_ = nullptr;
    QComboBox* combo_ = nullptr;
    CCstClock* clockView_ = nullptr;
    CLstTimes* departures_ = nullptr;
    QListWidget* arrivals_ = nullptr;
    QStatusBar* statusLine_ = nullptr;
    std::array<QPushButton*, 6> buttons_{};
    ActivityButton* realTimeButton_ = nullptr;
    KeyWatch* keyWatch_ = nullptr;

    std::vector<ArrivalRow> arrivalRows_;  // what each row of the arrival list stands for
    QTimer startupTimer_;
    QTimer refreshTimer_;
    std::uint64_t lastRefreshTick_ = 0;
    int startRequest_ = -1;  // -1 until the first level has loaded
    bool restartRequested_ = false;
    bool exitAfterFirstPaint_ = false;
};
