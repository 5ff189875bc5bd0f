// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgSetting.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "OffscreenApp.h"
#include "TestFiles.h"
#include "controls/QtConvert.h"
#include "dialogs/CDlgTabBasic.h"
#include "dialogs/CDlgTabClock.h"
#include "dialogs/CDlgTabFont.h"
#include "dialogs/CDlgTabMov1.h"
#include "dialogs/CDlgTabSKey.h"
#include "dialogs/CEdtSpin.h"
#include "text/Messenger.h"
#include "timetable/Clock.h"

namespace {

class RecordingMessenger : public Messenger {
public:
    void Show(const std::wstring& title, const std::wstring& text) override {
        shown.push_back(title + L"|" + text);
    }
    std::vector<std::wstring> shown;
};

// The dialog over a settings file in a folder of its own, on Monday 7 December 2026.
class CDlgSettingTest : public ::testing::Test {
protected:
    void Open(const std::wstring& extraLines = L"") {
        OffscreenApp();
        WriteSJisFile(File(), L"DataPath=" + dir_.Root() + L"\n" + extraLines);
        settings_ = std::make_unique<AppSettings>(TestSettings());
        settings_->filePath = File();
        settings_->Load(&messenger_);
        dialog_ = std::make_unique<CDlgSetting>(*settings_, clock_, messenger_);
        dialog_->show();
    }

    std::wstring File() const { return dir_.File(L"Kovaris.ini"); }

    // A click on a tab, as the user changes pages.
    void ClickTab(CDlgSetting::Page page) {
        QTabBar& bar = *dialog_->tabs().tabBar();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(page).center());
    }

    template <class PageClass>
    PageClass& PageOf(CDlgSetting::Page page) {
        return static_cast<PageClass&>(dialog_->page(page));
    }

    static void Type(QWidget& edit, const QString& text) {
        edit.setFocus();
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(&edit)) {
            spin->selectAll();
        } else if (auto* line = qobject_cast<QLineEdit*>(&edit)) {
            line->selectAll();
        }
        QTest::keyClicks(&edit, text);
    }

    TempDir dir_;
    ManualClock clock_{Moment::FromFields(2026, 12, 7, 10, 20, 30)};
    RecordingMessenger messenger_;
    std::unique_ptr<AppSettings> settings_;
    std::unique_ptr<CDlgSetting> dialog_;
};

TEST_F(CDlgSettingTest, KeyPageBindsEveryKeyButTheArrowsAndConfirmSavesThem) {
    Open();
    ClickTab(CDlgSetting::Keys);
    auto& keys = PageOf<CDlgTabSKey>(CDlgSetting::Keys);
    QListWidget& list = keys.list();
    ASSERT_EQ(list.currentRow(), 0);

    // Keys that would close the dialog or leave the page are bindings here.
    const std::vector<std::pair<Qt::Key, int>> captured = {
        {Qt::Key_Return, 13}, {Qt::Key_Escape, 27}, {Qt::Key_Tab, 9}, {Qt::Key_Shift, 16}};
    for (const auto& [key, code] : captured) {
        QTest::keyClick(&list, key);
        EXPECT_EQ(settings_->shortcutKeys[0], code) << code;
        EXPECT_TRUE(dialog_->isVisible()) << code;
    }
    EXPECT_EQ(keys.codeEdit().text(), QStringLiteral("10"));
    QTest::mouseClick(&keys.clearButton(), Qt::LeftButton);
    EXPECT_EQ(settings_->shortcutKeys[0], 0);

    // Arrows move through the list and bind nothing.
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(&list, Qt::Key_Down);
    }
    QTest::keyClick(&list, Qt::Key_Left);
    EXPECT_EQ(list.currentRow(), 8);
    EXPECT_EQ(settings_->shortcutKeys, (std::array<int, kShortcutCount>{}));

    QTest::keyClick(&list, Qt::Key_F5);
    EXPECT_EQ(list.item(8)->text(), QStringLiteral("0074 : 乗換 戻る               "));
    EXPECT_EQ(keys.nameEdit().text(), QStringLiteral("乗換 戻る"));
    EXPECT_EQ(keys.codeEdit().text(), QStringLiteral("74"));

    // The current row deselected, as a Ctrl+click leaves it: a key binds nothing.
    list.item(8)->setSelected(false);
    QTest::keyClick(&list, Qt::Key_F6);
    EXPECT_EQ(settings_->shortcutKeys[8], 116);

    QTest::mouseClick(&dialog_->confirmButton(), Qt::LeftButton);
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(messenger_.shown, std::vector<std::wstring>{L"KovarisWM|設定を保存しました"});
    EXPECT_NE(ReadBytes(File()).find("\r\nSK_TrnsPrev=116\r\n"), std::string::npos);
}

TEST_F(CDlgSettingTest, AValueOutOfRangeKeepsThePageAndSavesNothing) {
    struct Case {
        const char* name;
        int fontRow;  // -1: the countdown, -2: the reminder's lead, on the behaviour page
        QString typed;
        bool leaveByConfirm;  // else by a click on another tab
        std::wstring message;
    };
    const std::vector<Case> cases = {
        {"font size below the range", 3, QStringLiteral("79"), false,
         L"80 から 640 までの整数を入力してください。"},
        {"font size emptied", 0, QString(), false, L"整数を入力してください。"},
        {"countdown above the range", -1, QStringLiteral("11"), true,
         L"0 から 10 までの整数を入力してください。"},
        {"reminder lead above the range", -2, QStringLiteral("61"), true,
         L"0 から 60 までの整数を入力してください。"},
    };
    for (const Case& c : cases) {
        Open(L"TimeLstFontSize=120\nCountDown=4\n");
        const std::string fileBefore = ReadBytes(File());
        const auto page = c.fontRow >= 0 ? CDlgSetting::Font : CDlgSetting::Behaviour;
        ClickTab(page);
        QWidget* edit = nullptr;
        if (c.fontRow >= 0) {
            edit = &PageOf<CDlgTabFont>(page).sizeEdit(c.fontRow);
        } else if (c.fontRow == -1) {
            edit = &PageOf<CDlgTabMov1>(page).countDownEdit();
        } else {
            edit = &PageOf<CDlgTabMov1>(page).reminderLeadEdit();
        }
        Type(*edit, c.typed);
        if (c.typed.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        }
        messenger_.shown.clear();
        if (c.leaveByConfirm) {
            dialog_->confirmButton().click();
        } else {
            ClickTab(CDlgSetting::Basic);
        }
        EXPECT_EQ(messenger_.shown, std::vector<std::wstring>{L"KovarisWM(警告)|" + c.message})
            << c.name;
        EXPECT_EQ(dialog_->tabs().currentIndex(), page) << c.name;
        EXPECT_EQ(dialog_->tabs().currentWidget(), &dialog_->page(page)) << c.name;
        EXPECT_TRUE(dialog_->isVisible()) << c.name;
        EXPECT_EQ(settings_->timeLstFontSize, 120) << c.name;
        EXPECT_EQ(settings_->countDown, 4) << c.name;
        EXPECT_EQ(ReadBytes(File()), fileBefore) << c.name;
    }
}

// Confirming closes the dialog as confirmed even when the file cannot be written, so the window
// restarts with the values in memory; the message says which happened.
TEST_F(CDlgSettingTest, ConfirmSavesTheLargestFontSizeAndSaysWhetherItWasWritten) {
    for (const bool writable : {true, false}) {
        Open();
        if (!writable) {
            settings_->filePath = dir_.File(L"missing/Kovaris.ini");
        }
        ClickTab(CDlgSetting::Font);
        Type(PageOf<CDlgTabFont>(CDlgSetting::Font).sizeEdit(1), QStringLiteral("640"));
        messenger_.shown.clear();
        dialog_->confirmButton().click();
        EXPECT_EQ(dialog_->result(), QDialog::Accepted);
        EXPECT_EQ(settings_->clockFontSize, 640);
        EXPECT_EQ(messenger_.shown, std::vector<std::wstring>{
                                        writable ? L"KovarisWM|設定を保存しました"
                                                 : L"KovarisWM(エラー)|設定の保存に失敗しました\n" +
                                                       settings_->filePath});
        EXPECT_EQ(ReadBytes(File()).find("\r\nClockFontSize=640\r\n") != std::string::npos,
                  writable);
    }
}

// "参照..." asks for a folder from the path in the field and puts the folder chosen there, ending
// in a separator as the path reads back; choosing none leaves the field. Confirming keeps it.
TEST_F(CDlgSettingTest, TheBrowseButtonChoosesTheDataPathFolder) {
    Open();
    CDlgTabBasic& basic = PageOf<CDlgTabBasic>(CDlgSetting::Basic);
    EXPECT_EQ(basic.browseButton().text(), QStringLiteral("参照..."));
    QStringList starts;
    QString answer = QStringLiteral("/srv/timetables");
    basic.SetFolderChooser([&](QWidget* /*parent*/, const QString& start) {
        starts << start;
        return answer;
    });
    QTest::mouseClick(&basic.browseButton(), Qt::LeftButton);
    EXPECT_EQ(basic.dataPathEdit().text(), QStringLiteral("/srv/timetables/"));
    answer.clear();
    QTest::mouseClick(&basic.browseButton(), Qt::LeftButton);
    EXPECT_EQ(basic.dataPathEdit().text(), QStringLiteral("/srv/timetables/"));
    EXPECT_EQ(starts, QStringList({ToQString(dir_.Root()), QStringLiteral("/srv/timetables/")}));

    dialog_->confirmButton().click();
    EXPECT_EQ(settings_->dataPath, L"/srv/timetables/");
}

// The file the first run writes holds the data path alone, so only the settings as the dialog
// found them can undo what the pages stored on the way.
TEST_F(CDlgSettingTest, EveryWayOutButConfirmPutsBackEverySettingOnAOneLineFile) {
    enum class Way { CancelButton, Escape, Close };
    for (const Way way : {Way::CancelButton, Way::Escape, Way::Close}) {
        Open();
        const std::optional<std::string> opened = settings_->FileBytes();
        Type(PageOf<CDlgTabBasic>(CDlgSetting::Basic).dataPathEdit(), QStringLiteral("/elsewhere"));
        ClickTab(CDlgSetting::ClockPage);
        PageOf<CDlgTabClock>(CDlgSetting::ClockPage).dateCombo().setCurrentIndex(5);
        ClickTab(CDlgSetting::Font);
        Type(PageOf<CDlgTabFont>(CDlgSetting::Font).sizeEdit(0), QStringLiteral("200"));
        ClickTab(CDlgSetting::Behaviour);
        Type(PageOf<CDlgTabMov1>(CDlgSetting::Behaviour).countDownEdit(), QStringLiteral("9"));
        ClickTab(CDlgSetting::Keys);
        QTest::keyClick(&PageOf<CDlgTabSKey>(CDlgSetting::Keys).list(), Qt::Key_F5);
        ClickTab(CDlgSetting::Basic);
        ASSERT_EQ(settings_->countDown, 9);
        ASSERT_EQ(settings_->shortcutKeys[0], 116);

        switch (way) {
            case Way::CancelButton:
                QTest::mouseClick(&dialog_->cancelButton(), Qt::LeftButton);
                break;
            case Way::Escape:
                QTest::keyClick(dialog_.get(), Qt::Key_Escape);
                break;
            case Way::Close:
                dialog_->close();
                break;
        }
        EXPECT_EQ(dialog_->result(), QDialog::Rejected) << static_cast<int>(way);
        EXPECT_FALSE(dialog_->isVisible()) << static_cast<int>(way);
        EXPECT_EQ(settings_->FileBytes(), opened) << static_cast<int>(way);
        EXPECT_TRUE(messenger_.shown.empty()) << static_cast<int>(way);
    }
}

// A program that keeps any number as the reminder's lead may have written one beyond the page's
// range: it shows at the nearest end and never holds the user on the page.
TEST_F(CDlgSettingTest, AReminderLeadOutOfRangeShowsInRangeAndLetsThePageGo) {
    const std::vector<std::pair<std::wstring, int>> cases = {{L"AlmBefTime=90\n", 60},
                                                             {L"AlmBefTime=-5\n", 0}};
    for (const auto& [line, shown] : cases) {
        Open(line);
        ClickTab(CDlgSetting::Behaviour);
        EXPECT_EQ(PageOf<CDlgTabMov1>(CDlgSetting::Behaviour).reminderLeadEdit().value(), shown);
        ClickTab(CDlgSetting::Basic);
        EXPECT_EQ(dialog_->tabs().currentIndex(), CDlgSetting::Basic);
        EXPECT_TRUE(messenger_.shown.empty());
        EXPECT_EQ(settings_->almBefTime, shown);
    }
}

// Formats and modes a hand-edited file can hold beyond what the combos offer.
TEST_F(CDlgSettingTest, CombosShowUnknownValuesAsThePageDefines) {
    struct Case {
        std::wstring line;
        CDlgSetting::Page page;
        int shownIndex;
        int AppSettings::*field;
        int stored;
    };
    const std::vector<Case> cases = {
        {L"Clock=9\n", CDlgSetting::ClockPage, -1, &AppSettings::clock, -1},
        {L"ScrollMode=7\n", CDlgSetting::Behaviour, 0, &AppSettings::scrollMode, 0},
    };
    for (const Case& c : cases) {
        Open(c.line);
        ClickTab(c.page);
        const QComboBox& combo = c.page == CDlgSetting::ClockPage
                                     ? PageOf<CDlgTabClock>(c.page).dateCombo()
                                     : PageOf<CDlgTabMov1>(c.page).scrollCombo();
        EXPECT_EQ(combo.currentIndex(), c.shownIndex) << ToWString(combo.currentText());
        ClickTab(CDlgSetting::Basic);
        EXPECT_EQ((*settings_).*c.field, c.stored);
    }
    EXPECT_EQ(PageOf<CDlgTabMov1>(CDlgSetting::Behaviour).scrollCombo().currentText(),
              QStringLiteral("スクロールなし"));
    const auto& clockPage = PageOf<CDlgTabClock>(CDlgSetting::ClockPage);
    EXPECT_EQ(clockPage.dateCombo().itemText(0), QStringLiteral("2026年12月07日(月)"));
    EXPECT_EQ(clockPage.dateCombo().itemText(7), QStringLiteral("12/07"));
    EXPECT_EQ(clockPage.timeCombo().itemText(0), QStringLiteral("10時20分30秒"));
}

TEST_F(CDlgSettingTest, OnlyLeftAndRightStayOnTheTabBar) {
    Open();
    QApplication::setActiveWindow(dialog_.get());
    QTabBar& bar = *dialog_->tabs().tabBar();
    bar.setFocus();
    QTest::keyClick(&bar, Qt::Key_Right);
    EXPECT_EQ(dialog_->tabs().currentIndex(), CDlgSetting::ClockPage);
    EXPECT_EQ(QApplication::focusWidget(), &bar);
    QTest::keyClick(&bar, Qt::Key_Down);
    EXPECT_TRUE(dialog_->page(CDlgSetting::ClockPage).isAncestorOf(QApplication::focusWidget()));
}

}  // namespace
