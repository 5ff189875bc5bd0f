// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/InterfaceLanguage.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <memory>
#include <string>
#include <vector>

#include "OffscreenApp.h"
#include "TestFiles.h"
#include "catalogue/CatalogueMessages.h"
#include "controls/QtConvert.h"
#include "dialogs/CDlgSetting.h"
#include "i18n/CoreText.h"
#include "mainwin/MainMenu.h"
#include "settings/IntField.h"
#include "settings/SettingsMessages.h"
#include "settings/ShortcutTable.h"
#include "text/Messenger.h"
#include "timetable/Clock.h"

namespace {

bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
            (u >= 0xFF00 && u <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

class NoMessenger : public Messenger {
public:
    void Show(const std::wstring&, const std::wstring&) override {}
};

// Every text a person reads in the menus (the fixed commands; the catalogue's entries are data).
QStringList MenuTexts(const QMenuBar& bar) {
    QStringList texts;
    std::vector<const QMenu*> menus;
    for (const QAction* top : bar.actions()) {
        texts << top->text();
        menus.push_back(top->menu());
    }
    while (!menus.empty()) {
        const QMenu* menu = menus.back();
        menus.pop_back();
        for (const QAction* item : menu->actions()) {
            if (item->menu() != nullptr) {
                menus.push_back(item->menu());
            }
            if (!item->isSeparator() && item->text() != QStringLiteral("---")) {
                texts << item->text();
            }
        }
    }
    return texts;
}

// The labels, buttons, tabs and lists of a dialog.
QStringList DialogTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    for (const QTabWidget* tabs : dialog.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
        }
    }
    for (const QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        for (int i = 0; i < combo->count(); ++i) {
            texts << combo->itemText(i);
        }
    }
    for (const QListWidget* list : dialog.findChildren<QListWidget*>()) {
        for (int i = 0; i < list->count(); ++i) {
            texts << list->item(i)->text();
        }
    }
    texts.removeAll(QString());
    return texts;
}

QString CancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove(u'&');
}

QStringList ColorChooserTexts() {
    QColorDialog chooser;
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    return DialogTexts(chooser);
}

TEST(InterfaceLanguageTest, TheFirstLanguageOfTheUsersTheWindowSpeaks) {
    struct Case {
        QStringList languages;
        InterfaceLanguage chosen;
    };
    const std::vector<Case> cases = {
        {{QStringLiteral("en-US")}, InterfaceLanguage::English},
        {{QStringLiteral("en_GB")}, InterfaceLanguage::English},
        {{QStringLiteral("ja-JP")}, InterfaceLanguage::Japanese},
        {{QStringLiteral("ja"), QStringLiteral("en")}, InterfaceLanguage::Japanese},
        {{QStringLiteral("de-DE"), QStringLiteral("en-US")}, InterfaceLanguage::English},
        {{QStringLiteral("de-DE"), QStringLiteral("ja")}, InterfaceLanguage::Japanese},
        {{QStringLiteral("de-DE")}, InterfaceLanguage::Japanese},
        {{QStringLiteral("C")}, InterfaceLanguage::Japanese},
        {{}, InterfaceLanguage::Japanese},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseInterfaceLanguage(c.languages), c.chosen)
            << c.languages.join(u',').toStdString();
    }
}

// The menus, the settings dialog with all its pages, Qt's own buttons and the colour chooser,
// in English and then in Japanese again.
TEST(InterfaceLanguageTest, MenusAndDialogsSpeakTheChosenLanguage) {
    OffscreenApp();
    TempDir dir;
    AppSettings settings = TestSettings();
    settings.filePath = dir.File(L"Kovaris.ini");
    settings.dataPath = dir.Root();
    const ManualClock clock(Moment::FromFields(2026, 12, 7, 10, 20, 30));
    NoMessenger messenger;

    for (const InterfaceLanguage language :
         {InterfaceLanguage::English, InterfaceLanguage::Japanese}) {
        const bool english = language == InterfaceLanguage::English;
        const char* name = english ? "English" : "Japanese";
        InstallTranslations(language);
        QMenuBar bar;
        MainMenu menu(bar);
        const CDlgSetting dialog(settings, clock, messenger);
        QStringList texts = MenuTexts(bar) + DialogTexts(dialog);
        ASSERT_GT(texts.size(), 60) << name;
        if (english) {
            EXPECT_EQ(texts.front(), QStringLiteral("&Timetable"));
            for (const QString& text : texts) {
                EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
            }
            EXPECT_EQ(CancelText(), QStringLiteral("Cancel"));
            EXPECT_TRUE(ColorChooserTexts().contains(QStringLiteral("&Red:")));
        } else {
            EXPECT_EQ(texts.front(), QStringLiteral("時刻表(&T)"));
            EXPECT_TRUE(HasJapanese(CancelText())) << CancelText().toStdString();
            EXPECT_TRUE(ColorChooserTexts().filter(QStringLiteral("赤")).size() == 1)
                << ColorChooserTexts().join(u'|').toStdString();
        }
    }
}

// The core's messages reach the English window in English, with their paths and numbers kept.
TEST(InterfaceLanguageTest, CoreMessagesInEnglishKeepWhatTheyAreMadeWith) {
    OffscreenApp();
    InstallTranslations(InterfaceLanguage::English);
    AppSettings settings = TestSettings();
    settings.filePath = L"/home/u/Kovaris.ini";
    std::vector<std::wstring> messages = {
        std::wstring(kErrorTitle),
        std::wstring(kWarningTitle),
        std::wstring(kSettingsWarningTitle),
        std::wstring(kSettingsSaveFailedTitle),
        std::wstring(kSelectTransferStationWarning),
        std::wstring(kNoTransferDataWarning),
        std::wstring(kNoEarlierTimetableError),
        LevelLoadFailedMessage(true, L"/data/vekt.cfg"),
        LevelLoadFailedMessage(false, L"/data/"),
        UnreadFileText(kSettingsFileName, L"/home/u/Kovaris.ini"),
        UnreadFileText(kColorFileName, L"/data/color.ini"),
        SettingsSaveFailedText(settings, L""),
        SettingsSaveFailedText(settings, L"DataPath"),
        CheckIntField(L"x", 0, 10).message,
        CheckIntField(L"400", 80, 320).message,
    };
    for (int i = 0; i < kShortcutCount; ++i) {
        messages.emplace_back(ShortcutDisplayName(i));
    }
    for (const std::wstring& message : messages) {
        const QString english = TranslateCoreText(message);
        EXPECT_FALSE(HasJapanese(english)) << english.toStdString();
        EXPECT_EQ(english.count(u'\n'), QString::fromStdWString(message).count(u'\n'));
    }
    struct Kept {
        std::wstring message;
        QString english;
    };
    const std::vector<Kept> kept = {
        {CheckIntField(L"400", 80, 320).message,
         QStringLiteral("Enter a whole number from 80 to 320.")},
        {SettingsSaveFailedText(settings, L"FntTime"),
         QStringLiteral("The settings could not be saved.\nThe value of FntTime has characters "
                        "that Shift-JIS cannot hold.")},
        {TimetableLoadFailedMessage(L"/data/桜川線.TBL"),
         QStringLiteral("The TBL file could not be read.\n/data/桜川線.TBL")},
        {TimetableInUtf8Message(L"/data/a %2.TBL"),
         QStringLiteral(
             "The TBL file is written in UTF-8, not Shift-JIS, so its text shows garbled.\n"
             "/data/a %2.TBL\nTo convert it: iconv -f UTF-8 -t CP932 '/data/a %2.TBL' > "
             "'/data/a %2.TBL.sjis' && mv '/data/a %2.TBL.sjis' '/data/a %2.TBL'")},
    };
    for (const Kept& k : kept) {
        EXPECT_EQ(TranslateCoreText(k.message), k.english);
    }
    InstallTranslations(InterfaceLanguage::Japanese);
    EXPECT_EQ(TranslateCoreText(kNoEarlierTimetableError), ToQString(kNoEarlierTimetableError));
}

}  // namespace
