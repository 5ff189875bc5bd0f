// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/CKovarisDlg.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "BoardCommand.h"
#include "OffscreenApp.h"
#include "TestFiles.h"
#include "board/BoardSession.h"
#include "catalogue/ArrivalRows.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/CommandIds.h"
#include "catalogue/LevelView.h"
#include "controls/ActivityButton.h"
#include "controls/CCstClock.h"
#include "controls/CLstTimes.h"
#include "controls/QtConvert.h"
#include "dialogs/CDlgSetting.h"
#include "dialogs/CDlgTabFont.h"
#include "dialogs/CEdtSpin.h"
#include "i18n/InterfaceLanguage.h"
#include "mainwin/HistoryRequestServer.h"
#include "mainwin/MainMenu.h"
#include "mainwin/QtMessenger.h"
#include "mainwin/RunState.h"
#include "settings/WalkTimes.h"
#include "text/Messenger.h"
#include "text/WideText.h"
#include "timetable/Clock.h"

namespace {

namespace fs = std::filesystem;

class RecordingMessenger : public Messenger {
public:
    void Show(const std::wstring& title, const std::wstring& text) override {
        shown.push_back(title + L"|" + text);
    }
    std::vector<std::wstring> shown;
};

// Monday 7 December 2026 is a weekday, Saturday 12 December is not.
Moment Monday(int hour, int minute, int second = 0) {
    return Moment::FromFields(2026, 12, 7, hour, minute, second);
}

// The program on a copy of the demo data root, in a working folder of its own, with a clock
// the test moves.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OffscreenApp();
        fs::copy(KOVARIS_DEMO_DATA, work_.path() / "data", fs::copy_options::recursive);
        WriteSettings(L"CfgRead=1\n");
    }

    std::wstring DataRoot() const { return work_.Root() + L"data/"; }

    void WriteSettings(const std::wstring& lines) {
        WriteSJisFile(work_.File(L"Kovaris.ini"), L"DataPath=" + DataRoot() + L"\n" + lines);
    }

    // Builds the window at `now` and runs its start-up timer.
    CKovarisDlg& Start(Moment now) {
        clock_.Set(now);
        settings_ = std::make_unique<AppSettings>(TestSettings());
        settings_->filePath = work_.File(L"Kovaris.ini");
        window_ = std::make_unique<CKovarisDlg>(*settings_, clock_, messenger_, run_);
        window_->show();
        window_->OnStartupTimer();
        QApplication::processEvents();
        return *window_;
    }

    // One refresh after `ms` milliseconds.
    void Advance(std::uint64_t ms) {
        clock_.AdvanceMs(ms);
        window_->OnRefreshTimer();
        QApplication::processEvents();
    }

    std::wstring ShownFile() const {
        return fs::path(wtext::WideToUtf8(window_->timetable().path)).filename().wstring();
    }
    std::wstring RowText(int row) const {
        return window_->departures().Renderer().MakeRow(&window_->timetable(), row).text;
    }
    // The time of the departure in `row`; -1 for a row without one.
    int TimeAt(int row) const {
        const DaySection* section = window_->timetable().FindSection();
        return section != nullptr && row >= 0 && row < section->DepartureCount()
                   ? section->DepartureAt(row).time
                   : -1;
    }
    bool StationsFitTheSelectedRow() const {
        const ArrivalList expected =
            BuildArrivalListForIndex(window_->timetable(), window_->departures().SelectedRow(),
                                     window_->store().ConfigurationMode());
        std::vector<std::wstring> shown;
        for (int i = 0; i < window_->arrivals().count(); ++i) {
            shown.push_back(ToWString(window_->arrivals().item(i)->text()));
        }
        return std::ranges::equal(shown, expected.rows, {}, {}, &ArrivalRow::text);
    }

    int ArrivalRowOf(const QString& station) const {
        const QListWidget& list = window_->arrivals();
        for (int row = 0; row < list.count(); ++row) {
            if (list.item(row)->text().contains(station)) {
                return row;
            }
        }
        return -1;
    }

    TempDir work_;
    ManualClock clock_;
    RecordingMessenger messenger_;
    RunState run_;
    std::unique_ptr<AppSettings> settings_;
    std::unique_ptr<CKovarisDlg> window_;
};

// The terminal board and the window share one code path: after the same commands at the same
// moments, the rows the window shows from its top row are the lines `kovaris board` prints.
TEST_F(MainWindowTest, TheTerminalBoardShowsTheWindowsRows) {
    WriteSettings(L"CfgRead=1\nPREV_DISP=1\n");
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    Timetable table(*settings_, window.store().colors, window.store().holidays);
    BoardSession session(table);
    std::optional<BoardFrame> board = session.Open(window.timetable().path, clock_.Now());
    ASSERT_TRUE(board.has_value());
    struct Step {
        const char* name;
        std::function<void()> onWindow;
        std::function<std::optional<BoardFrame>()> onBoard;
    };
    const auto command = [this](int id) {
        return [this, id] { window_->menu().Item(id)->trigger(); };
    };
    const auto hours = [&session](bool later) {
        return [&session, later] { return session.StepHour(later); };
    };
    const std::vector<Step> steps = {
        {"a minute on", [this] { Advance(60 * 1000); },
         [this, &session] { return session.Tick(clock_.Now(), 0); }},
        {"an hour later", command(cmd::kHourLater), hours(true)},
        {"an hour earlier", command(cmd::kHourEarlier), hours(false)},
        {"the departure above", command(cmd::kPreviousDeparture),
         [&session, &board] { return session.ShowPrevious(board->topRow); }},
        {"back to real time", command(cmd::kRealTimeMode),
         [&session] { return session.SetRealTime(true); }},
        {"Saturday", command(cmd::kDayAutomatic + 7),
         [this, &session] { return session.SetForcedDay(7, clock_.Now(), 0); }},
    };
    for (const Step& step : steps) {
        step.onWindow();
        const int keptTop = board->topRow;
        board = step.onBoard();
        ASSERT_TRUE(board.has_value()) << step.name;
        if (board->topRow < 0) {
            board->topRow = keptTop;  // the frame kept the scroll
        }
        const std::vector<BoardLine> lines = BoardLinesOf(table, *board, 8);
        const int top = window.departures().TopRow();
        ASSERT_EQ(top, board->topRow) << step.name;
        for (int i = 0; i < 8; ++i) {
            const ListRowView row =
                window.departures().Renderer().MakeRow(&window.timetable(), top + i);
            EXPECT_EQ(std::wstring(wtext::TrimRight(row.text + row.note)),
                      lines[static_cast<std::size_t>(i) + 1].text)
                << step.name << " row " << i;
        }
    }
}

// The traveller's way through the window: the menu actions, the buttons, the timetable choice
// and the arrival stations, each leaving the board it should; a dialog cancelled leaves it as it
// was. The settings, the catalogue mode and the reminder have tests of their own.
TEST_F(MainWindowTest, EveryControlMovesTheBoard) {
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    const auto trigger = [&window](int id) {
        return [&window, id] {
            QAction* action = window.menu().Item(id);
            ASSERT_TRUE(action != nullptr && action->isEnabled()) << id;
            action->trigger();
        };
    };
    const auto click = [&window](int id) {
        return [&window, id] { QTest::mouseClick(&window.button(id), Qt::LeftButton); };
    };
    const auto cancel = [trigger](int id, const char* dialog) {
        return [trigger, id, dialog] {
            QTimer::singleShot(0, [dialog] {
                QWidget* modal = QApplication::activeModalWidget();
                EXPECT_TRUE(modal != nullptr && modal->inherits(dialog)) << dialog;
                if (auto* box = qobject_cast<QDialog*>(modal)) {
                    box->reject();
                }
            });
            trigger(id)();
        };
    };
    // Double-clicks the station's row, or chooses it and clicks `button`.
    const auto station = [this, &window, click](const char* name, int button = 0) {
        return [this, &window, click, name, button] {
            QListWidget& list = window.arrivals();
            const QPoint at =
                list.visualItemRect(list.item(ArrivalRowOf(QString::fromUtf8(name)))).center();
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
            if (button != 0) {
                click(button)();
            } else {
                QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
            }
        };
    };
    const auto choose = [&window] {
        window.combo().setFocus();
        QTest::keyClick(&window.combo(), Qt::Key_Down);
    };
    const auto hm = [](int hour, int minute) { return hour * 60 + minute; };
    struct Step {
        std::string name;
        std::function<void()> act;
        const wchar_t* file;
        bool realTime;
        int selected;         // the time of the selected departure
        int top = -1;         // of the one on top, when not the selected one
        int checked = 0;      // a menu item then checked
        std::wstring said{};  // the message shown, if any
    };
    const wchar_t* up = L"wakaba_up.TBL";
    const wchar_t* east = L"shinonome_east.TBL";
    const wchar_t* west = L"shinonome_west.TBL";
    const wchar_t* down = L"wakaba_down.TBL";
    std::vector<Step> steps = {
        {"the morning board", [] {}, up, true, hm(8, 14)},
        {"an hour later", trigger(cmd::kHourLater), up, false, hm(9, 5)},
        {"＞", click(cmd::kButtonHourLater), up, false, hm(10, 5)},
        {"＜", click(cmd::kButtonHourEarlier), up, false, hm(9, 5)},
        {"an hour earlier", trigger(cmd::kHourEarlier), up, false, hm(8, 3)},
        {"the departure above", trigger(cmd::kPreviousDeparture), up, false, hm(8, 3), hm(7, 54)},
        {"｜", click(cmd::kButtonRealTime), up, true, hm(8, 14)},
        {"real time off", trigger(cmd::kRealTimeMode), up, false, hm(8, 14)},
        {"real time on", trigger(cmd::kRealTimeMode), up, true, hm(8, 14)},
        {"colours", cancel(cmd::kColorSettings, "CDlgSetColor"), up, true, hm(8, 14)},
        {"about", cancel(cmd::kAbout, "AboutBox"), up, true, hm(8, 14)},
    };
    for (const int day : {7, 1, 2, 3, 4, 5, 6, 0}) {
        const int id = cmd::kDayAutomatic + day;
        const int next = day == 1 || day == 7 ? hm(8, 23) : hm(8, 14);
        steps.push_back({"day " + std::to_string(day), trigger(id), up, true, next, -1, id});
    }
    const std::wstring noEarlier =
        std::wstring(kErrorTitle) + L"|" + std::wstring(kNoEarlierTimetableError);
    const std::wstring noStation =
        std::wstring(kWarningTitle) + L"|" + std::wstring(kSelectTransferStationWarning);
    steps.insert(
        steps.end(),
        {
            {"back, with nowhere to go", trigger(cmd::kTransferBack), up, true, hm(8, 14), -1, 0,
             noEarlier},
            {"乗換 without a station chosen",
             [&] {
                 window.arrivals().setCurrentRow(0);
                 window.arrivals().clearSelection();  // current, but not chosen
                 click(cmd::kButtonTransferGo)();
             },
             up, true, hm(8, 14), -1, 0, noStation},
            {"double-click 東雲橋", station("東雲橋"), east, false, hm(8, 35)},
            {"乗換 戻る", click(cmd::kButtonTransferBack), up, true, hm(8, 14)},
            {"double-click ≫ to a level", station("≫"), east, false, hm(8, 35)},
            {"the level's other timetable", choose, west, false, hm(8, 38)},
            {"若葉台 and 乗換", station("若葉台", cmd::kButtonTransferGo), down, false, hm(8, 56)},
            {"back", trigger(cmd::kTransferBack), west, false, hm(8, 38)},
            {"double-click 若葉台", station("若葉台"), down, false, hm(8, 56)},
            {"back to the first", trigger(cmd::kTransferBackToFirst), up, true, hm(8, 14)},
            {"≫ and 乗換", station("≫", cmd::kButtonTransferGo), east, false, hm(8, 35)},
            {"the other timetable again", choose, west, false, hm(8, 38)},
            {"double-click 若葉台 again", station("若葉台"), down, false, hm(8, 56)},
            {"乗換 最初へ", click(cmd::kButtonTransferFirst), up, true, hm(8, 14)},
        });
    for (const Step& step : steps) {
        const std::size_t said = messenger_.shown.size();
        step.act();
        Advance(100);
        const CLstTimes& list = window.departures();
        EXPECT_EQ(ShownFile(), step.file) << step.name;
        EXPECT_EQ(window.RealTime(), step.realTime) << step.name;
        EXPECT_EQ(window.menu().IsChecked(cmd::kRealTimeMode), step.realTime) << step.name;
        EXPECT_EQ(TimeAt(list.SelectedRow()), step.selected) << step.name;
        EXPECT_EQ(TimeAt(list.TopRow()), step.top < 0 ? step.selected : step.top) << step.name;
        EXPECT_TRUE(StationsFitTheSelectedRow()) << step.name;
        EXPECT_TRUE(step.checked == 0 || window.menu().IsChecked(step.checked)) << step.name;
        ASSERT_EQ(messenger_.shown.size(), said + (step.said.empty() ? 0 : 1)) << step.name;
        EXPECT_TRUE(step.said.empty() || messenger_.shown.back() == step.said) << step.name;
    }
    EXPECT_TRUE(window.store().transfers.empty());
    trigger(cmd::kExit)();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.RestartRequested());
}

TEST_F(MainWindowTest, DefaultTimetableAndSubLevels) {
    CKovarisDlg& window = Start(Monday(13, 0));
    EXPECT_EQ(ShownFile(), L"wakaba_down.TBL");

    // Into the 潮見線 level through its menu item and back up through the parent item.
    const int root = window.combo().count();
    window.menu().Item(kTableMenuFirstEntryId + 2)->trigger();
    EXPECT_EQ(window.combo().itemData(0).toInt(), -1);
    EXPECT_EQ(ToWString(window.combo().itemText(0)), L"＞ ルート(vekt.cfg)");
    ASSERT_NE(window.menu().Item(kTableMenuParentId), nullptr);
    window.menu().Item(kTableMenuParentId)->trigger();
    EXPECT_EQ(window.combo().count(), root);
    EXPECT_EQ(window.menu().Item(kTableMenuParentId), nullptr);
}

TEST_F(MainWindowTest, AMissingTimetableKeepsTheOneShown) {
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    const std::wstring missing = DataRoot() + L"gone.TBL";
    EXPECT_FALSE(window.ShowTimetable(missing));
    EXPECT_EQ(messenger_.shown.back(),
              std::wstring(kErrorTitle) + L"|" + TimetableLoadFailedMessage(missing));
    EXPECT_EQ(ShownFile(), L"wakaba_up.TBL");

    // Saved again by a Linux editor, the file shows as it reads, and the window says why it
    // reads as garbage and how to convert it.
    const std::wstring utf8 = DataRoot() + L"wakaba_up_utf8.TBL";
    WriteBytes(utf8, wtext::WideToUtf8(ToWide(ReadBytes(DataRoot() + L"wakaba_up.TBL"))));
    const std::size_t said = messenger_.shown.size();
    EXPECT_TRUE(window.ShowTimetable(utf8));
    EXPECT_EQ(ShownFile(), L"wakaba_up_utf8.TBL");
    ASSERT_EQ(messenger_.shown.size(), said + 1);
    EXPECT_EQ(messenger_.shown.back(),
              std::wstring(kWarningTitle) + L"|" + TimetableInUtf8Message(utf8));
    EXPECT_TRUE(window.ShowTimetable(DataRoot() + L"wakaba_up.TBL"));
    EXPECT_EQ(messenger_.shown.size(), said + 1);
}

// Whatever brought a timetable on show, the combo box never names another one, and the title
// names it.
TEST_F(MainWindowTest, TheComboAndTheTitleNameTheTimetableOnShow) {
    fs::remove(work_.path() / "data" / "wakaba_down.TBL");
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    const QString up = QStringLiteral("若葉台 桜川中央方面");
    EXPECT_EQ(window.combo().currentText(), up);
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("KovarisWin - ") + ToQString(window.timetable().title));

    // 若葉台 北浜方面, whose file is gone.
    window.menu().Item(kTableMenuFirstEntryId + 1)->trigger();
    EXPECT_EQ(ShownFile(), L"wakaba_up.TBL");
    EXPECT_EQ(window.combo().currentText(), up);

    // The connecting line belongs to another level: the box names nothing of this one.
    window.arrivals().setCurrentRow(ArrivalRowOf(QStringLiteral("東雲橋")));
    window.Transfer();
    ASSERT_EQ(ShownFile(), L"shinonome_east.TBL");
    EXPECT_EQ(window.combo().currentIndex(), -1);
    EXPECT_TRUE(window.windowTitle().endsWith(ToQString(window.timetable().title)));
    window.GoBack(false);
    EXPECT_EQ(window.combo().currentText(), up);
}

// A traveller who scrolls ahead on the real-time board keeps that view while reading it; the
// real-time button ends the hold.
TEST_F(MainWindowTest, ScrollingAheadHoldsTheRealTimeBoardForAWhile) {
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    CLstTimes& list = window.departures();
    const int next = list.currentRow();
    ASSERT_EQ(list.TopRow(), next);
    list.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int ahead = list.TopRow();
    ASSERT_GT(ahead, next + 1);
    // The next train leaves: the selection moves on, the view stays.
    clock_.Set(Monday(8, 14, 5));
    Advance(100);
    EXPECT_EQ(list.currentRow(), next + 1);
    EXPECT_EQ(list.TopRow(), ahead);
    EXPECT_TRUE(window.RealTime());
    QTest::mouseClick(&window.button(cmd::kButtonRealTime), Qt::LeftButton);
    Advance(100);
    EXPECT_EQ(list.TopRow(), next + 1);
}

// Without a catalogue to open, the clock above the empty board still shows the time.
TEST_F(MainWindowTest, TheClockRunsWithoutATimetable) {
    fs::remove(work_.path() / "data" / "vekt.cfg");
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    ASSERT_TRUE(window.timetable().path.empty());
    int paints = 0;
    struct PaintCounter : QObject {
        int* count;
        explicit PaintCounter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            *count += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter(&paints);
    window.clockView().installEventFilter(&counter);
    clock_.AdvanceMs(1000);
    EXPECT_TRUE(QTest::qWaitFor([&paints] { return paints > 0; }, 5000));
}

// A timetable without a section for today shows no departure and so no stations: those of the
// timetable shown before must not remain to transfer from.
TEST_F(MainWindowTest, ATimetableWithoutTodayLeavesNoStationsToTransferTo) {
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    ASSERT_GT(window.arrivals().count(), 0);
    const std::wstring sundays = DataRoot() + L"sundays.TBL";
    WriteSJisFile(sundays, L"e:普通 北浜;普\n$北浜:e10\n[SUN]\n8 e06\n");
    ASSERT_TRUE(window.ShowTimetable(sundays));
    EXPECT_EQ(window.arrivals().count(), 0);
    window.Transfer();
    EXPECT_TRUE(window.store().transfers.empty());
    EXPECT_EQ(ShownFile(), L"sundays.TBL");
}

TEST_F(MainWindowTest, ActivityIndicatorTurnsOnlyInRealTime) {
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    const QString text = window.button(cmd::kButtonRealTime).text();
    QStringList seen;
    for (int i = 0; i < 9; ++i) {
        Advance(100);
        seen << window.realTimeButton().Glyph();
    }
    // Two refreshes per character; the window's first refresh already took one step.
    EXPECT_EQ(seen.join(QString()), QStringLiteral("｜／／――＼＼｜｜"));
    // Only drawn: a screen reader hears of every change of a button's text.
    EXPECT_EQ(window.button(cmd::kButtonRealTime).text(), text);
    window.menu().Item(cmd::kRealTimeMode)->trigger();
    Advance(100);
    EXPECT_EQ(window.realTimeButton().Glyph(), QStringLiteral("｜"));
    EXPECT_FALSE(window.menu().IsChecked(cmd::kRealTimeMode));
}

// What a screen reader finds in the window, walking its accessible tree: every button named
// for what it does rather than by its glyph, with a tooltip; one child of the departure list per
// row, saying what the row shows when it is asked; the clock's date and time; a keyboard letter
// on every fixed menu item, none twice in one menu.
TEST_F(MainWindowTest, AScreenReaderHearsEveryControlAndRow) {
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    std::vector<QAccessibleInterface*> buttons;
    std::vector<QAccessibleInterface*> menuItems;
    QAccessibleInterface* list = nullptr;
    QAccessibleInterface* clock = nullptr;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (node->object() == &window.departures()) {
            list = node;
            return;  // its children are the rows, looked at below
        }
        if (node->role() == QAccessible::PushButton) {
            buttons.push_back(node);
        } else if (node->role() == QAccessible::Clock) {
            clock = node;
        } else if (node->role() == QAccessible::MenuItem) {
            menuItems.push_back(node);
        }
        for (int i = 0; i < node->childCount(); ++i) {
            walk(node->child(i));
        }
    };
    walk(QAccessible::queryAccessibleInterface(&window));

    const QString glyphs = QStringLiteral("＜＞｜／―＼<>");
    ASSERT_EQ(buttons.size(), 6U);
    QSet<QString> names;
    for (QAccessibleInterface* button : buttons) {
        const QString name = button->text(QAccessible::Name);
        EXPECT_FALSE(std::all_of(name.begin(), name.end(), [&](QChar c) {
            return glyphs.contains(c);
        })) << name.toStdString();
        EXPECT_FALSE(button->text(QAccessible::Description).isEmpty()) << name.toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 6);

    ASSERT_NE(list, nullptr);
    const CLstTimes& departures = window.departures();
    ASSERT_EQ(list->childCount(), departures.count());
    const int next = departures.currentRow();
    const std::vector<std::pair<int, QString>> rows = {
        {next - 1, QStringLiteral("08:09 003分 快速 桜川中央")},
        {next, QStringLiteral("先発 08:14 あと1分40秒 急行 桜川中央")},
        {next + 1, QStringLiteral("次発 08:20 あと07分 普通 桜川中央")},
        {next + 2, QStringLiteral("次々発 08:26 あと13分 快速 桜川中央")},
        {departures.count() - 1, QStringLiteral("--:--")},
    };
    for (const auto& [row, text] : rows) {
        EXPECT_EQ(list->child(row)->text(QAccessible::Name), text) << row;
    }
    Advance(1000);
    EXPECT_EQ(list->child(next)->text(QAccessible::Name),
              QStringLiteral("先発 08:14 あと1分39秒 急行 桜川中央"));

    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->text(QAccessible::Name), QStringLiteral("時計"));
    EXPECT_EQ(clock->text(QAccessible::Value), QStringLiteral("2026年12月07日(月) 08:12:21"));
    EXPECT_EQ(clock->text(QAccessible::Description), QStringLiteral("平日 桜川中央方面"));

    // Catalogue and transfer items are the user's captions, which carry no letter.
    std::map<QAccessibleInterface*, QSet<QString>> lettersByMenu;
    int fixedItems = 0;
    for (QAccessibleInterface* item : menuItems) {
        const int id = static_cast<QAction*>(item->object())->data().toInt();
        if ((id >= kTableMenuParentId && id < kTableMenuParentId + 1 + kTableMenuMaxEntries) ||
            (id >= kTransferMenuFirstId && id < kTransferMenuFirstId + kTransferMenuMaxRows)) {
            continue;
        }
        ++fixedItems;
        const QString letter = item->text(QAccessible::Accelerator);
        EXPECT_TRUE(letter.startsWith(QStringLiteral("Alt+")))
            << item->text(QAccessible::Name).toStdString();
        QSet<QString>& letters = lettersByMenu[item->parent()];
        EXPECT_FALSE(letters.contains(letter)) << item->text(QAccessible::Name).toStdString();
        letters.insert(letter);
    }
    EXPECT_EQ(fixedItems, 26);
}

// Under an English locale the board's own words are English too, and its rows still line up:
// every departure row is as wide as every other.
TEST_F(MainWindowTest, AnEnglishBoardSaysItsRowsAndDateInEnglish) {
    InstallTranslations(InterfaceLanguage::English);
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    const CLstTimesRenderer& renderer = window.departures().Renderer();
    const int next = window.departures().currentRow();
    const std::vector<std::pair<int, std::wstring>> spoken = {
        {next - 2, L"08:03 普通 桜川中央"},
        {next - 1, L"08:09 -003m 快速 桜川中央"},
        {next, L"1st 08:14 in 1m 40s 急行 桜川中央"},
        {next + 1, L"2nd 08:20 in 07m 普通 桜川中央"},
        {next + 2, L"3rd 08:26 in 13m 快速 桜川中央"},
    };
    for (const auto& [row, text] : spoken) {
        EXPECT_EQ(renderer.SpokenRow(&window.timetable(), row), text) << row;
        EXPECT_EQ(RowText(row).size(), RowText(0).size()) << row;
    }
    EXPECT_EQ(RowText(next), L"1st    08:14 in   1m 40s ");
    const QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(&window.clockView());
    EXPECT_EQ(clock->text(QAccessible::Value), QStringLiteral("2026-12-07(Mon) 08:12:20"));
    InstallTranslations(InterfaceLanguage::Japanese);
}

TEST_F(MainWindowTest, ResizingKeepsButtonsAtTheRightEdgeAndSharesTheHeight) {
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    auto rightMargin = [&] {
        return window.width() - window.button(cmd::kButtonTransferGo).geometry().right();
    };
    const int margin = rightMargin();
    window.resize(300, 400);
    QApplication::processEvents();
    ASSERT_EQ(window.size(), QSize(300, 400));
    EXPECT_EQ(rightMargin(), margin);
    EXPECT_NEAR(window.button(cmd::kButtonHourEarlier).geometry().top(),
                window.arrivals().geometry().top(), 3);
    EXPECT_EQ(window.arrivals().geometry().bottom() + 1, window.height() - 4);

    const int departures = window.departures().height();
    const int arrivals = window.arrivals().height();
    window.resize(300, 600);
    QApplication::processEvents();
    EXPECT_NEAR(window.departures().height() - departures, 100, 1);
    EXPECT_NEAR(window.arrivals().height() - arrivals, 100, 1);
    EXPECT_EQ(rightMargin(), margin);
}

// Keys act wherever the focus is, before the control sees them; of two actions on one key the
// first in the list runs.
TEST_F(MainWindowTest, ShortcutKeysActWhereverTheFocusIs) {
    WriteSettings(L"CfgRead=1\nSK_TimesDOWN=74\nSK_1HourNext=116\nSK_TrnsPrev=116\n");
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    const int next = window.departures().currentRow();
    auto press = [](QWidget& target, int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
        QApplication::processEvents();
    };

    press(window.combo(), Qt::Key_J);  // the combo box would take J as a choice
    EXPECT_EQ(window.departures().currentRow(), next + 1);
    EXPECT_FALSE(window.RealTime());

    press(window.arrivals(), Qt::Key_F5);
    EXPECT_EQ(window.timetable().displayMode, DisplayMode::HourBlocks);
    EXPECT_EQ(window.timetable().viewMoment, Monday(9, 0));
    EXPECT_TRUE(window.store().transfers.empty());
    EXPECT_TRUE(messenger_.shown.empty());  // going back would have said there is no transfer
}

// Turning the wheel over the timetable choice scrolls past it unless the traveller has put the
// focus there: only then does the wheel choose another timetable.
TEST_F(MainWindowTest, TheWheelChangesTheTimetableOnlyWithTheFocusOnTheChoice) {
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    QComboBox& combo = window.combo();
    auto turnDown = [&combo] {
        const QPointF centre = QRectF(combo.rect()).center();
        QWheelEvent event(centre, combo.mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&combo, &event);
        QApplication::processEvents();
    };
    window.activateWindow();
    window.departures().setFocus();
    turnDown();
    EXPECT_EQ(ShownFile(), L"wakaba_up.TBL");
    EXPECT_FALSE(combo.hasFocus());

    combo.setFocus();
    ASSERT_TRUE(combo.hasFocus());
    turnDown();
    EXPECT_EQ(ShownFile(), L"wakaba_down.TBL");
}

// An arrow key bound to its own list's arrow action: at the list's end the arrow the program
// sends goes on to the window, where it must not count as the key pressed once more.
TEST_F(MainWindowTest, ArrowKeysBoundToTheListArrowsStopAtTheEnd) {
    WriteSettings(L"CfgRead=1\nSK_TimesUP=38\nSK_TrnsDOWN=40\n");
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    const std::vector<std::pair<QListWidget*, int>> cases = {{&window.departures(), Qt::Key_Up},
                                                             {&window.arrivals(), Qt::Key_Down}};
    auto settle = [] {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
    };
    for (const auto& [list, key] : cases) {
        ASSERT_GT(list->count(), 2);
        const int end = key == Qt::Key_Up ? 0 : list->count() - 1;
        list->setCurrentRow(end);
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(list, &event);
        settle();
        EXPECT_EQ(list->currentRow(), end);
        list->setCurrentRow(1);
        settle();
        EXPECT_EQ(list->currentRow(), 1) << "an arrow still going round moved the list";
    }
}

// The reminder comes once, at the second the lead time is reached, and not again from a window
// built anew; without a notification service its text shows in the status line.
TEST_F(MainWindowTest, ReminderBeforeDeparture) {
    WriteSettings(L"CfgRead=1\nAlmBefTime=5\n");
    QStringList given;
    auto start = [&](Moment now) {
        CKovarisDlg& window = Start(now);
        QObject::connect(&window, &CKovarisDlg::reminderDue, &window,
                         [&given](const QString& title, const QString& body) {
                             given << title + QLatin1Char('|') + body;
                         });
        return &window;
    };
    CKovarisDlg* window = start(Monday(8, 3, 50));  // the 08:09 leaves in 5 min 10 s
    window->menu().Item(cmd::kRemindBeforeDeparture)->trigger();
    EXPECT_TRUE(window->menu().IsChecked(cmd::kRemindBeforeDeparture));
    for (int i = 0; i < 9; ++i) {
        Advance(1000);
    }
    EXPECT_TRUE(given.isEmpty());
    Advance(1000);
    EXPECT_EQ(given, QStringList{QStringLiteral(
                         "発車まであと5分|08:09 快速 桜川中央 (桜川線 若葉台 桜川中央方面)")});
    Advance(100);
    window = start(Monday(8, 4, 30));
    EXPECT_TRUE(window->menu().IsChecked(cmd::kRemindBeforeDeparture));
    Advance(100);
    EXPECT_EQ(given.size(), 1);

    window->ShowStatusMessage(given.front());
    QApplication::processEvents();
    EXPECT_LT(window->arrivals().geometry().bottom(), window->height() - 20);
}

// A walking time set through its dialog (a number out of range named first) is written to
// KovarisWalk.ini and moves 先　発 at once to the first train the walk reaches; the one it no
// longer reaches stays on top, dimmed. A window built anew reads the walking time back.
TEST_F(MainWindowTest, AWalkingTimeMovesTheNextDepartureAndIsKept) {
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    const int missed = window.departures().SelectedRow();
    ASSERT_EQ(TimeAt(missed), 8 * 60 + 14);
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog != nullptr && dialog->inherits("WalkTimeDialog"));
        auto* field = dialog->findChild<QSpinBox*>();
        field->setValue(121);
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(messenger_.shown.size(), 1U);
        field->setValue(5);
        dialog->accept();
    });
    window.menu().Item(cmd::kWalkTime)->trigger();
    QApplication::processEvents();

    const std::wstring file = work_.File(L"KovarisWalk.ini");
    WalkTimes written;
    ASSERT_TRUE(written.Load(file));
    EXPECT_EQ(written.MinutesFor(DataRoot(), window.timetable().path), 5);
    for (const bool anew : {false, true}) {
        CKovarisDlg& shown = anew ? Start(Monday(8, 12, 20)) : window;
        EXPECT_TRUE(shown.RealTime()) << anew;
        EXPECT_GT(shown.departures().SelectedRow(), missed) << anew;
        EXPECT_EQ(shown.departures().TopRow(), missed) << anew;
        EXPECT_TRUE(shown.departures().Renderer().MakeRow(&shown.timetable(), missed).dimmed)
            << anew;
    }
}

// A board of two lines and a missing one: one message names the missing file, each row shows
// its line, the clock names the board, and a walk set on a row of one line is that line's alone.
TEST_F(MainWindowTest, ABoardWalksToEachOfItsLinesApart) {
    WriteSJisFile(DataRoot() + L"both.BRD",
                  L";若葉台 全線\nwakaba_up.TBL 上り\nwakaba_down.TBL 下り\nmissing.TBL\n");
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    ASSERT_TRUE(window.ShowTimetable(DataRoot() + L"both.BRD"));
    EXPECT_EQ(messenger_.shown, std::vector<std::wstring>{
                                    std::wstring(kWarningTitle) + L"|" +
                                    BoardMembersUnreadableMessage({DataRoot() + L"missing.TBL"})});
    const Timetable& board = window.timetable();
    const auto rowAt = [&](int minutes, std::wstring_view line) {
        for (int row = 0; row < board.FindSection()->DepartureCount(); ++row) {
            if (TimeAt(row) == minutes && board.SourceOf(row).path.ends_with(line)) {
                return row;
            }
        }
        return -1;
    };
    const int up = rowAt(8 * 60 + 14, L"wakaba_up.TBL");
    const int down = rowAt(8 * 60 + 18, L"wakaba_down.TBL");
    ASSERT_GE(up, 0);
    ASSERT_GE(down, 0);
    EXPECT_EQ(window.departures().Renderer().MakeRow(&board, up).note, L"上り 急行 桜川中央 ");
    EXPECT_TRUE(window.departures().Renderer().MakeRow(&board, down).note.starts_with(L"下り "));
    EXPECT_TRUE(
        window.findChild<CCstClock*>()->SpokenCaptions().contains(QStringLiteral("若葉台 全線")));

    window.departures().setCurrentRow(down);
    QApplication::processEvents();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog != nullptr && dialog->inherits("WalkTimeDialog"));
        EXPECT_TRUE(dialog->findChild<QLabel*>()->text() == QStringLiteral("下り"));
        dialog->findChild<QSpinBox*>()->setValue(30);
        dialog->accept();
    });
    window.menu().Item(cmd::kWalkTime)->trigger();
    QApplication::processEvents();
    WalkTimes written;
    ASSERT_TRUE(written.Load(work_.File(L"KovarisWalk.ini")));
    EXPECT_EQ(written.MinutesFor(DataRoot(), DataRoot() + L"wakaba_down.TBL"), 30);
    EXPECT_EQ(written.MinutesFor(DataRoot(), DataRoot() + L"wakaba_up.TBL"), 0);
    window.menu().Item(cmd::kRealTimeMode)->trigger();
    Advance(1000);
    EXPECT_TRUE(window.departures().Renderer().MakeRow(&board, down).dimmed);
    EXPECT_FALSE(window.departures().Renderer().MakeRow(&board, up).dimmed);
    EXPECT_EQ(window.departures().SelectedRow(), up);
}

// The switch takes effect through the file the window built anew reads: a file that cannot be
// written keeps the mode, and says so.
TEST_F(MainWindowTest, SwitchingTheCatalogueModeSavesAndRestarts) {
    const fs::path file(work_.File(L"Kovaris.ini"));
    for (const bool writable : {true, false}) {
        messenger_.shown.clear();
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
        WriteSettings(L"CfgRead=1\n");
        if (!writable) {
            fs::permissions(file, fs::perms::owner_read);
        }
        CKovarisDlg& window = Start(Monday(8, 12, 20));
        window.menu().Item(cmd::kReadConfiguration)->trigger();
        EXPECT_EQ(window.RestartRequested(), writable);
        const bool switched =
            ReadBytes(work_.File(L"Kovaris.ini")).find("CfgRead=0\r\n") != std::string::npos;
        EXPECT_EQ(switched, writable);
        EXPECT_EQ(settings_->cfgRead, writable ? 0 : 1);
        EXPECT_EQ(messenger_.shown.empty(), writable);
    }
}

// What the user confirmed outlives a save that failed: the window built anew keeps the values in
// memory rather than read the older file, and the message says what could not be written.
TEST_F(MainWindowTest, ConfirmedSettingsOutliveAFailedSave) {
    const fs::path file(work_.File(L"Kovaris.ini"));
    struct Case {
        QString face;
        bool readOnly;
        std::wstring named;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("맑은 고딕"), false, L"\nFntDate "},
        {QStringLiteral("ＩＰＡゴシック"), true, L"\n" + work_.File(L"Kovaris.ini")},
    };
    for (const Case& c : cases) {
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
        WriteSettings(L"CfgRead=1\n");
        if (c.readOnly) {
            fs::permissions(file, fs::perms::owner_read);
        }
        CKovarisDlg& window = Start(Monday(8, 12, 20));
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CDlgSetting*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->tabs().setCurrentIndex(CDlgSetting::Font);
            auto& fonts = static_cast<CDlgTabFont&>(dialog->page(CDlgSetting::Font));
            fonts.faceEdit(0).setText(c.face);
            fonts.sizeEdit(0).setValue(300);
            dialog->confirmButton().click();
        });
        messenger_.shown.clear();
        window.menu().Item(cmd::kSettings)->trigger();
        ASSERT_TRUE(window.RestartRequested());
        ASSERT_EQ(messenger_.shown.size(), 1u);
        EXPECT_TRUE(
            messenger_.shown[0].starts_with(L"KovarisWM(エラー)|設定の保存に失敗しました\n"));
        EXPECT_NE(messenger_.shown[0].find(c.named), std::wstring::npos) << messenger_.shown[0];

        window_ = std::make_unique<CKovarisDlg>(*settings_, clock_, messenger_, run_);
        EXPECT_EQ(settings_->fntDate, ToWString(c.face));
        EXPECT_EQ(settings_->dlgFontSize, 300);
        EXPECT_EQ(settings_->cfgRead, 1);
        EXPECT_EQ(messenger_.shown.size(), 1u);
    }
}

// A colour list that is there but cannot be read is named when the window reads it.
TEST_F(MainWindowTest, AColorListLeftUnreadIsNamed) {
    fs::remove(work_.path() / "data" / "color.ini");
    fs::create_directory(work_.path() / "data" / "color.ini");
    Start(Monday(8, 12, 20));
    EXPECT_EQ(messenger_.shown,
              std::vector<std::wstring>{L"KovarisWM(警告)|色設定ファイルを読み込めませんでした。"
                                        L"このファイルには保存しません\n" +
                                        DataRoot() + L"color.ini"});
}

// A companion program, here the terminal tool in a process of its own started in the window's
// folder, asks the running window to show a history entry, written as a Windows program would,
// without regard to case.
TEST_F(MainWindowTest, HistoryRequestFromAnotherProcess) {
    WriteSJisFile(DataRoot() + L"KovarisHstWin.ini",
                  DataRoot() + L"wakaba_up.TBL\n" + DataRoot() + L"WAKABA_DOWN.tbl,下り\n");
    qputenv("XDG_RUNTIME_DIR", work_.path().string().c_str());
    CKovarisDlg& window = Start(Monday(8, 12, 20));
    QtMessenger boxes;
    auto requests = std::make_unique<HistoryRequestServer>(boxes);
    ASSERT_EQ(requests->Listen(work_.path() / "Kovaris.ini"),
              HistoryRequestServer::Start::Listening);
    requests->Serve(&window, [&window](int index) { return window.ShowHistoryEntry(index); });

    auto ask = [this](const char* index) {
        QProcess cli;
        cli.setWorkingDirectory(QString::fromStdString(work_.path().string()));
        cli.start(QStringLiteral(KOVARIS_CLI_BINARY),
                  {QStringLiteral("show-history"), QString::fromLatin1(index)});
        QElapsedTimer timer;
        timer.start();
        while (cli.state() != QProcess::NotRunning && timer.elapsed() < 20000) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            cli.waitForFinished(5);
        }
        return cli.exitCode();
    };
    EXPECT_EQ(ask("0"), 0);
    EXPECT_EQ(ShownFile(), L"wakaba_down.TBL");
    EXPECT_EQ(ask("1"), 1);
    requests.reset();
    EXPECT_EQ(ask("0"), 1);  // no window any more
    qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
