// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/CKovarisDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <utility>

#include "board/BoardFrame.h"
#include "board/WindowLayout.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/CommandIds.h"
#include "catalogue/LevelView.h"
#include "catalogue/TransferPlan.h"
#include "controls/ActivityButton.h"
#include "controls/CCstClock.h"
#include "controls/CLstTimes.h"
#include "controls/FocusWheelComboBox.h"
#include "controls/FontSetup.h"
#include "controls/QtConvert.h"
#include "controls/SingleChoiceList.h"
#include "dialogs/CDlgSetting.h"
#include "dialogs/ColorCommand.h"
#include "dialogs/WalkTimeDialog.h"
#include "files/PathLookup.h"
#include "i18n/BoardWordsTranslation.h"
#include "i18n/CoreText.h"
#include "mainwin/AboutBox.h"
#include "mainwin/CKovarisLayout.h"
#include "mainwin/KeyWatch.h"
#include "mainwin/MainMenu.h"
#include "mainwin/RunState.h"
#include "mainwin/WaitCursor.h"
#include "settings/AppSettings.h"
#include "settings/SettingsMessages.h"
#include "text/Messenger.h"
#include "text/WideText.h"
#include "timetable/Clock.h"
#include "timetable/ViewSteps.h"

namespace {

constexpr int kRefreshMs = 100;

struct ButtonSpec {
    int id;
    const char16_t* glyph;
    winlayout::Control place;
    // The glyphs repeat ("＜" twice, "＞" twice): what a screen reader and a tooltip say.
    const char* name;  // translated when the button is made
    const char* tip;
};

// In the order of the window's template.
constexpr std::array<ButtonSpec, 6> kButtons = {{
    {cmd::kButtonHourEarlier, u"＜", winlayout::kHourEarlier,
     QT_TRANSLATE_NOOP("CKovarisDlg", "1時間前"),
     QT_TRANSLATE_NOOP("CKovarisDlg", "1時間前の発車を表示します")},
    {cmd::kButtonRealTime, u"｜", winlayout::kRealTime,
     QT_TRANSLATE_NOOP("CKovarisDlg", "リアルタイム"),
     QT_TRANSLATE_NOOP("CKovarisDlg",
                       "リアルタイムモード：今の時刻の発車を表示し、時計に合わせて進めます")},
    {cmd::kButtonHourLater, u"＞", winlayout::kHourLater,
     QT_TRANSLATE_NOOP("CKovarisDlg", "1時間後"),
     QT_TRANSLATE_NOOP("CKovarisDlg", "1時間後の発車を表示します")},
    {cmd::kButtonTransferFirst, u"<<", winlayout::kTransferFirst,
     QT_TRANSLATE_NOOP("CKovarisDlg", "乗換 最初へ"),
     QT_TRANSLATE_NOOP("CKovarisDlg", "乗り換える前の最初の時刻表に戻ります")},
    {cmd::kButtonTransferBack, u"＜", winlayout::kTransferBack,
     QT_TRANSLATE_NOOP("CKovarisDlg", "乗換 戻る"),
     QT_TRANSLATE_NOOP("CKovarisDlg", "一つ前の時刻表に戻ります")},
    {cmd::kButtonTransferGo, u"＞", winlayout::kTransferGo,
     QT_TRANSLATE_NOOP("CKovarisDlg", "乗換"),
     QT_TRANSLATE_NOOP("CKovarisDlg", "選んだ到着駅の時刻表に乗り換えます")},
}};

// The settings are read before the window builds anything from them. After a failed save the
// file is behind what the user confirmed, so the window takes the values in memory instead.
AppSettings& LoadSettings(AppSettings& settings, Messenger& messenger, RunState& run) {
    if (std::exchange(run.settingsAheadOfFile, false)) {
        settings.CheckDataPath(&messenger);
    } else {
        settings.Load(&messenger);
    }
    settings.LoadHistory();
    return settings;
}

winlayout::DialogFont MeasureDialogFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // Averaged and rounded as dialog units have always been measured.
    return {(alphabet / 26 + 1) / 2, metrics.height()};
}

// The name a timetable goes by: its title, else its file name.
std::wstring ShownName(const Timetable& table) {
    return table.title.empty() ? table.path.substr(table.path.find_last_of(L'/') + 1) : table.title;
}

// The name a board's rows show for `line`, or the timetable's own.
std::wstring LineName(const Timetable& board, const Timetable& line) {
    for (const BoardMember& member : board.members) {
        if (member.timetable.get() == &line) {
            return member.shortName;
        }
    }
    return ShownName(line);
}

}  // namespace

// The icon lives in the library's resources, which a static library must register itself.
static void InitProgramResources() {
    Q_INIT_RESOURCE(kovariswin);
}

CKovarisDlg::CKovarisDlg(AppSettings& settings, const Clock& clock, Messenger& messenger,
                         RunState& run, QWidget* parent)
    : QDialog(parent),
      settings_(LoadSettings(settings, messenger, run)),
      clock_(clock),
      messenger_(messenger),
      run_(run),
      store_(settings_),
      timetable_(settings_, store_.colors, store_.holidays) {
    InitProgramResources();
    setWindowTitle(QStringLiteral("KovarisWin"));
    timetable_.SetWords(TranslatedBoardWords());
    // An unreadable file leaves every walking time at 0, and Save then refuses to replace it.
    static_cast<void>(walks_.Load(WalkTimes::FileBeside(settings_.filePath)));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setFont(MakeSettingsFont(L"MS UI Gothic", 100));
    BuildControls();
    ConnectControls();
    Initialise();
    keyWatch_ = new KeyWatch(*this, settings_, [this](ShortcutAction a) { RunShortcut(a); });
}

CKovarisDlg::~CKovarisDlg() = default;

void CKovarisDlg::BuildControls() {
    menuBar_ = new QMenuBar(this);
    menu_ = new MainMenu(*menuBar_);
    layout_ = new CKovarisLayout(this, [this] { return clockView_->RequiredHeight(); });
    layout_->setMenuBar(menuBar_);

    combo_ = new FocusWheelComboBox(this);
    combo_->setMaxVisibleItems(30);
    clockView_ = new CCstClock(settings_, clock_, this);
    departures_ = new CLstTimes(settings_, this);
    departures_->ResetRows(&timetable_);  // the list draws what the session leaves in it
    arrivals_ = new SingleChoiceList(this);
    arrivals_->setFont(MakeSettingsFont(settings_.fntTrns, settings_.trnsLstFontSize));
    arrivals_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout_->SetControl(winlayout::kCombo, combo_);
    layout_->SetControl(winlayout::kClock, clockView_);
    layout_->SetControl(winlayout::kDepartures, departures_);
    layout_->SetControl(winlayout::kArrivals, arrivals_);
    BuildButtons();
    statusLine_ = new QStatusBar(this);
    statusLine_->setSizeGripEnabled(false);
    statusLine_->hide();
    connect(statusLine_, &QStatusBar::messageChanged, this,
            [this](const QString& text) { statusLine_->setVisible(!text.isEmpty()); });
    layout_->SetStatusLine(statusLine_);
    layout_->SetTemplate(
        winlayout::TemplateRects(MeasureDialogFont(font()), combo_->sizeHint().height()));
}

void CKovarisDlg::BuildButtons() {
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const QString glyph = QString::fromUtf16(kButtons[i].glyph);
        QPushButton* button = nullptr;
        if (kButtons[i].id == cmd::kButtonRealTime) {
            realTimeButton_ = new ActivityButton(glyph, this);
            button = realTimeButton_;
        } else {
            button = new QPushButton(glyph, this);
        }
        button->setAccessibleName(tr(kButtons[i].name));
        button->setToolTip(tr(kButtons[i].tip));
        // Enter belongs to the list and the shortcut keys, never to a button.
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        const int id = kButtons[i].id;
        connect(button, &QPushButton::clicked, this, [this, id] { RunCommand(id); });
        layout_->SetControl(kButtons[i].place, button);
        buttons_[i] = button;
    }
}

QPushButton& CKovarisDlg::button(int id) const {
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        if (kButtons[i].id == id) {
            return *buttons_[i];
        }
    }
    return *buttons_[0];
}

void CKovarisDlg::ConnectControls() {
    connect(menu_, &MainMenu::command, this, &CKovarisDlg::RunCommand);
    connect(combo_, &QComboBox::activated, this, [this] { OnComboSelectionChange(); });
    connect(departures_, &CLstTimes::userSelectionChanged, this,
            &CKovarisDlg::OnDepartureSelectionChange);
    connect(departures_, &CLstTimes::userScrolled, this,
            [this] { session_.UserScrolled(clock_.TickMs()); });
    connect(arrivals_, &QListWidget::itemDoubleClicked, this, [this] { Transfer(); });
    startupTimer_.setSingleShot(true);
    connect(&startupTimer_, &QTimer::timeout, this, &CKovarisDlg::OnStartupTimer);
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setTimerType(Qt::PreciseTimer);
    connect(&refreshTimer_, &QTimer::timeout, this, &CKovarisDlg::OnRefreshTimer);
}

void CKovarisDlg::Initialise() {
    setWindowIcon(QIcon(QStringLiteral(":/kovariswin/kovariswin.svg")));
    combo_->setVisible(settings_.dspCmbTbl != 0);
    store_.LoadTables();
    if (store_.colors.FileLeftUnread()) {
        messenger_.Show(
            std::wstring(kSettingsWarningTitle),
            UnreadFileText(kColorFileName, DataRootFile(settings_.dataPath, L"color.ini")));
    }
    MarkDayMenu();
    menu_->SetChecked(cmd::kReadConfiguration, settings_.cfgRead != 0);
    menu_->SetChecked(cmd::kRemindBeforeDeparture, run_.reminder.IsOn());
    startupTimer_.start(1);
    setMinimumSize(300, 400);
    const int side = winlayout::InitialSide(layout_->Template());
    resize(side, side + menuBar_->sizeHint().height());
}

Moment CKovarisDlg::Now() const {
    return clock_.Now();
}

void CKovarisDlg::OnStartupTimer() {
    startupTimer_.stop();
    OpenNode(std::nullopt, false);
    // The clock runs on while no timetable could be opened.
    if (!refreshTimer_.isActive()) {
        StartRefreshTimer();
    }
}

void CKovarisDlg::OnRefreshTimer() {
    refreshTimer_.stop();
    const std::uint64_t tick = clock_.TickMs();
    // A late timer must not run two refreshes back to back.
    if (tick - lastRefreshTick_ >= kRefreshMs) {
        Refresh();
    }
    lastRefreshTick_ = tick;
    refreshTimer_.start(kRefreshMs);
}

void CKovarisDlg::StartRefreshTimer() {
    refreshTimer_.start(kRefreshMs);
}

void CKovarisDlg::Refresh() {
    ShowRefresh(session_.Tick(Now(), clock_.TickMs()));
}

void CKovarisDlg::ShowRefresh(const BoardFrame& frame) {
    ShowFrame(frame);
    clockView_->Tick();
    if (timetable_.FindSection() == nullptr) {
        return;
    }
    const std::wstring_view indicator = run_.indicator.Step(frame.realTime);
    if (!indicator.empty()) {
        realTimeButton_->SetGlyph(ToQString(indicator));
    }
    departures_->AdvanceFrame();
    departures_->UpdateChangedRows();
    CheckReminder();
}

void CKovarisDlg::ShowFrame(const BoardFrame& frame) {
    departures_->Apply(frame);
    menu_->SetChecked(cmd::kRealTimeMode, frame.realTime);
    switch (frame.arrivals) {
        case ArrivalsChange::Keep:
            break;
        case ArrivalsChange::Rebuild:
            FillArrivals(BuildArrivalListForIndex(timetable_, frame.selectedRow,
                                                  store_.ConfigurationMode()));
            break;
        case ArrivalsChange::Clear:
            FillArrivals({});
            break;
    }
    // A board's rows come from several lines: the clock names the board before the line of the
    // selected train.
    std::wstring right = frame.caption2;
    if (timetable_.IsBoard() && !timetable_.title.empty()) {
        right = timetable_.title + (right.empty() ? L"" : L"　") + right;
    }
    clockView_->SetCaptions(frame.caption1, right);
}

void CKovarisDlg::CheckReminder() {
    const int row = departures_->SelectedRow();
    if (row < 0) {
        return;
    }
    if (const auto due = run_.reminder.Check(timetable_, row, settings_.almBefTime)) {
        Q_EMIT reminderDue(TranslateCoreText(due->title), ToQString(due->body));
    }
}

void CKovarisDlg::ToggleReminder() {
    run_.reminder.SetOn(!run_.reminder.IsOn());
    menu_->SetChecked(cmd::kRemindBeforeDeparture, run_.reminder.IsOn());
}

void CKovarisDlg::ShowStatusMessage(const QString& text) {
    constexpr int kShownMs = 60 * 1000;
    statusLine_->showMessage(text, kShownMs);
}

void CKovarisDlg::SetRealTime(bool on) {
    ShowFrame(session_.SetRealTime(on));
}

void CKovarisDlg::OnDepartureSelectionChange(int row) {
    ShowFrame(session_.SelectRow(row));
}

void CKovarisDlg::FillArrivals(const ArrivalList& list) {
    arrivals_->setUpdatesEnabled(false);
    arrivals_->clear();
    menu_->ClearTransferItems();
    arrivalRows_ = list.rows;
    for (const ArrivalRow& row : list.rows) {
        arrivals_->addItem(ToQString(row.text));
    }
    for (const TransferMenuItem& item : list.menu) {
        menu_->AddTransferItem(item.id, ToQString(item.text));
    }
    arrivals_->setUpdatesEnabled(true);
}

void CKovarisDlg::RunCommand(int id) {
    if (id >= kTableMenuParentId && id < kTableMenuFirstEntryId + kTableMenuMaxEntries) {
        OnTableCommand(id);
    } else if (id >= kTransferMenuFirstId && id < kTransferMenuFirstId + kTransferMenuMaxRows) {
        OnTransferCommand(id);
    } else if (id >= cmd::kDayAutomatic && id <= cmd::kDaySaturday) {
        SetForcedDay(id - cmd::kDayAutomatic);
    } else {
        switch (id) {
            case cmd::kButtonRealTime:
                SetRealTime(true);
                break;
            case cmd::kRealTimeMode:
                SetRealTime(!session_.RealTime());
                break;
            case cmd::kButtonHourEarlier:
            case cmd::kHourEarlier:
                StepHour(false);
                break;
            case cmd::kButtonHourLater:
            case cmd::kHourLater:
                StepHour(true);
                break;
            case cmd::kPreviousDeparture:
                ShowPrevious();
                break;
            case cmd::kButtonTransferGo:
                Transfer();
                break;
            case cmd::kButtonTransferBack:
            case cmd::kTransferBack:
                GoBack(false);
                break;
            case cmd::kButtonTransferFirst:
            case cmd::kTransferBackToFirst:
                GoBack(true);
                break;
            case cmd::kReadConfiguration:
                ToggleConfigurationMode();
                break;
            case cmd::kAbout:
                ShowAbout();
                break;
            case cmd::kRemindBeforeDeparture:
                ToggleReminder();
                break;
            case cmd::kSettings:
                ShowSettings();
                break;
            case cmd::kColorSettings:
                EditColors();
                break;
            case cmd::kWalkTime:
                EditWalkTime();
                break;
            case cmd::kExit:
                close();
                break;
            default:
                break;
        }
    }
}

void CKovarisDlg::SetForcedDay(DayType day) {
    const BoardFrame frame = session_.SetForcedDay(day, Now(), clock_.TickMs());
    MarkDayMenu();
    ShowRefresh(frame);
}

void CKovarisDlg::MarkDayMenu() {
    for (int id = cmd::kDayAutomatic; id <= cmd::kDaySaturday; ++id) {
        const int day = id - cmd::kDayAutomatic;
        menu_->SetChecked(id, timetable_.autoDay ? day == 0 : day == timetable_.dayType);
    }
}

void CKovarisDlg::ToggleConfigurationMode() {
    settings_.cfgRead = settings_.cfgRead != 0 ? 0 : 1;
    // The window built anew reads the file again: unsaved, the switch would silently not happen.
    std::wstring failedKey;
    if (!settings_.Save(&failedKey)) {
        settings_.cfgRead = settings_.cfgRead != 0 ? 0 : 1;
        messenger_.Show(std::wstring(kSettingsSaveFailedTitle),
                        SettingsSaveFailedText(settings_, failedKey));
        return;
    }
    Restart();
}

void CKovarisDlg::Restart() {
    restartRequested_ = true;
    close();
}

void CKovarisDlg::ShowSettings() {
    CDlgSetting dialog(settings_, clock_, messenger_, this);
    // A new window takes up the settings the dialog has confirmed, saved or not.
    if (dialog.exec() == QDialog::Accepted) {
        run_.settingsAheadOfFile = !dialog.Saved();
        Restart();
    }
}

void CKovarisDlg::EditColors() {
    if (RunColorCommand(this, timetable_, departures_->SelectedRow(), store_.colors,
                        settings_.dataPath)) {
        departures_->viewport()->update();
    }
}

void CKovarisDlg::EditWalkTime() {
    if (timetable_.path.empty()) {
        return;  // no timetable to walk to
    }
    // A board's lines lie apart: the walk is set for the line of the selected train.
    const Timetable& line = session_.WalkTarget();
    if (&line == &timetable_ && timetable_.IsBoard()) {
        messenger_.Show(std::wstring(kWarningTitle),
                        ToWString(tr("徒歩時間を設定する路線の列車を選択してください")));
        return;
    }
    WalkTimeDialog dialog(line.walkMinutes, ToQString(LineName(timetable_, line)), messenger_,
                          this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    WalkTimes updated = walks_;
    const std::wstring file = WalkTimes::FileBeside(settings_.filePath);
    if (!updated.Set(settings_.dataPath, line.path, dialog.Minutes()) || !updated.Save(file)) {
        messenger_.Show(std::wstring(kSettingsSaveFailedTitle),
                        ToWString(tr("%1 に書き込めませんでした。").arg(ToQString(file))));
        return;
    }
    walks_ = std::move(updated);
    ShowRefresh(session_.SetWalkMinutes(dialog.Minutes(), Now(), clock_.TickMs()));
}

void CKovarisDlg::ShowAbout() {
    AboutBox about(windowIcon(), this);
    about.exec();
}

void CKovarisDlg::ExitAfterFirstPaint() {
    exitAfterFirstPaint_ = true;
    departures_->viewport()->installEventFilter(this);
}

bool CKovarisDlg::eventFilter(QObject* watched, QEvent* event) {
    if (exitAfterFirstPaint_ && event->type() == QEvent::Paint &&
        watched == departures_->viewport() && departures_->count() > 0) {
        exitAfterFirstPaint_ = false;
        QTimer::singleShot(0, this, [this] { done(0); });
    }
    return QDialog::eventFilter(watched, event);
}

void CKovarisDlg::keyPressEvent(QKeyEvent* event) {
    // The board stays open all day: Escape must not close it by accident.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CKovarisDlg::OpenNode(const std::optional<CatalogueEntry>& entry, bool up) {
    WaitCursor wait;
    const LevelLoad load = store_.EnterLevel(entry, up, Now());
    if (!load.ok()) {
        messenger_.Show(std::wstring(kErrorTitle),
                        LevelLoadFailedMessage(store_.ConfigurationMode(), load.path));
        return;
    }
    ShowLevel(load);
}

void CKovarisDlg::ShowLevel(const LevelLoad& load) {
    const LevelView view = BuildLevelView(store_, load.defaultIndex);
    combo_->clear();
    menu_->ClearTableItems();
    for (const LevelComboItem& item : view.combo) {
        combo_->addItem(TranslateCoreText(item.caption), item.data);
    }
    for (const LevelMenuItem& item : view.menu) {
        menu_->AddTableItem(item.id, TranslateCoreText(item.caption));
    }
    const LevelOpening opening = ChooseLevelOpening(settings_, startRequest_ == -1, view);
    if (!opening.lastTimetable.empty()) {
        ShowTimetable(opening.lastTimetable);
        combo_->setCurrentIndex(-1);
    } else if (opening.comboIndex >= 0) {
        combo_->setCurrentIndex(opening.comboIndex);
        OnComboSelectionChange();
    } else {
        combo_->setCurrentIndex(-1);
    }
    startRequest_ = -2;
}

void CKovarisDlg::OnComboSelectionChange() {
    const int index = combo_->currentIndex();
    if (index >= 0) {
        SelectEntry(combo_->itemData(index).toInt());
    }
    Refresh();
}

void CKovarisDlg::OnTableCommand(int id) {
    const int entry = id - kTableMenuFirstEntryId;
    const int item = combo_->findData(entry);
    if (item >= 0) {
        combo_->setCurrentIndex(item);
    }
    SelectEntry(entry);
    Refresh();
}

void CKovarisDlg::SelectEntry(int index) {
    const std::optional<CatalogueEntry> entry = store_.EntryForChoice(index);
    if (!entry) {
        return;
    }
    if (entry->kind == EntryKind::Node) {
        OpenNode(entry, index == -1);
    } else {
        OpenTimetable(*entry);
    }
}

bool CKovarisDlg::OpenTimetable(const CatalogueEntry& entry) {
    return ShowTimetable(store_.ResolvePath(entry.baseDir, entry.target));
}

bool CKovarisDlg::ShowTimetable(const std::wstring& path) {
    WaitCursor wait;
    return ShowOpened(path, session_.Open(path, Now(), WalkOf()));
}

bool CKovarisDlg::ShowOpened(const std::wstring& path, const std::optional<BoardFrame>& frame) {
    NameShownTimetable();
    if (!frame) {
        messenger_.Show(std::wstring(kErrorTitle), TimetableLoadFailedMessage(path));
        return false;
    }
    refreshTimer_.stop();
    ShowFrame(*frame);
    StartRefreshTimer();
    // Said once the garbled text is on show, which it explains.
    if (timetable_.writtenInUtf8) {
        messenger_.Show(std::wstring(kWarningTitle), TimetableInUtf8Message(path));
    }
    if (!timetable_.unreadableMembers.empty()) {
        messenger_.Show(std::wstring(kWarningTitle),
                        BoardMembersUnreadableMessage(timetable_.unreadableMembers));
    }
    return true;
}

WalkLookup CKovarisDlg::WalkOf() const {
    return [this](std::wstring_view path) { return walks_.MinutesFor(settings_.dataPath, path); };
}

// The combo box and the title name the timetable on show, whatever brought it there.
void CKovarisDlg::NameShownTimetable() {
    const int entry = store_.EntryShowing(timetable_.path);
    combo_->setCurrentIndex(entry >= 0 ? combo_->findData(entry) : -1);
    QString title = QStringLiteral("KovarisWin");
    if (!timetable_.path.empty()) {
        title += QStringLiteral(" - ") + ToQString(ShownName(timetable_));
    }
    setWindowTitle(title);
}

HistoryReply CKovarisDlg::ShowHistoryEntry(int index) {
    const std::vector<HistoryEntry>& history = settings_.history;
    if (index < 0 || static_cast<std::size_t>(index) >= history.size() ||
        history[static_cast<std::size_t>(index)].path.empty()) {
        return {HistoryOutcome::NoEntry, {}};
    }
    // Written by a companion program, perhaps on Windows: "\\" separates, case may differ.
    const std::wstring path = ResolveWrittenPath(history[static_cast<std::size_t>(index)].path);
    const bool shown = ShowTimetable(path);
    return {shown ? HistoryOutcome::Shown : HistoryOutcome::Failed, wtext::WideToUtf8(path)};
}

void CKovarisDlg::OnTransferCommand(int id) {
    arrivals_->setCurrentRow(id - kTransferMenuFirstId);
    Transfer();
}

void CKovarisDlg::Transfer() {
    const int row = arrivals_->currentRow();
    const QListWidgetItem* item = arrivals_->item(row);
    const bool chosen = item != nullptr && item->isSelected() &&
                        static_cast<std::size_t>(row) < arrivalRows_.size();
    const TransferPlan plan =
        PlanTransfer(timetable_, chosen ? &arrivalRows_[static_cast<std::size_t>(row)] : nullptr);
    if (!plan.ok()) {
        messenger_.Show(std::wstring(kWarningTitle), plan.warning);
        return;
    }
    // The arrival belongs to the day of the departure shown, whatever day the new line is on.
    const Moment arrival = timetable_.MomentOfMinute(plan.targetMinute);
    store_.transfers.Append(plan.record);
    if (plan.entry.kind == EntryKind::Node) {
        OpenNode(plan.entry, false);
    } else {
        OpenTimetable(plan.entry);
    }
    SetRealTime(false);
    ShowFrame(session_.ShowAt(DisplayMode::ViewMoment, arrival));
}

void CKovarisDlg::GoBack(bool toFirst) {
    const TransferRecord* target = store_.transfers.Target(toFirst);
    if (target == nullptr) {
        messenger_.Show(std::wstring(kErrorTitle), std::wstring(kNoEarlierTimetableError));
        return;
    }
    const TransferRecord record = *target;
    WaitCursor wait;
    departures_->setUpdatesEnabled(false);
    ShowOpened(record.path, session_.Return(record.path, record.minutes, Now(), WalkOf()));
    store_.transfers.Remove(toFirst);
    departures_->setUpdatesEnabled(true);
}

void CKovarisDlg::StepHour(bool later) {
    if (const std::optional<BoardFrame> frame = session_.StepHour(later)) {
        ShowFrame(*frame);
    }
}

void CKovarisDlg::ShowPrevious() {
    if (const std::optional<BoardFrame> frame = session_.ShowPrevious(departures_->TopRow())) {
        ShowFrame(*frame);
    }
}

void CKovarisDlg::RunShortcut(ShortcutAction action) {
    switch (action) {
        case ShortcutAction::TimesUp:
        case ShortcutAction::TimesDown:
            keyWatch_->PostArrow(*departures_, action == ShortcutAction::TimesUp);
            break;
        case ShortcutAction::HourPrev:
        case ShortcutAction::HourNext:
            StepHour(action == ShortcutAction::HourNext);
            break;
        case ShortcutAction::RealTimeMode:
            SetRealTime(!session_.RealTime());
            break;
        case ShortcutAction::TrnsUp:
        case ShortcutAction::TrnsDown:
            keyWatch_->PostArrow(*arrivals_, action == ShortcutAction::TrnsUp);
            break;
        case ShortcutAction::TrnsNext:
            Transfer();
            break;
        case ShortcutAction::TrnsPrev:
        case ShortcutAction::TrnsStart:
            GoBack(action == ShortcutAction::TrnsStart);
            break;
    }
}
