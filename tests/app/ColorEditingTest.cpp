// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "OffscreenApp.h"
#include "TestFiles.h"
#include "controls/QtConvert.h"
#include "dialogs/CDlgSetColor.h"
#include "dialogs/CEdtColor.h"
#include "dialogs/ColorCommand.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

namespace {

// How many pixels inside the edit's frame are closer to `ink` than to `paper`.
int InkPixels(QWidget& edit, QColor ink, QColor paper) {
    const QImage image = edit.grab().toImage();
    int count = 0;
    for (int y = 4; y < image.height() - 4; ++y) {
        for (int x = 4; x < image.width() - 4; ++x) {
            count += IsMostlyInk(image.pixelColor(x, y), ink, paper) ? 1 : 0;
        }
    }
    return count;
}

TEST(ColorEditingTest, ColorEditTakesSixHexDigitsAndPaintsItsColor) {
    OffscreenApp();
    struct Case {
        QString typed;
        bool byEnter;  // else by leaving the edit
        QString text;
        ColorRef color;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("00ff00"), false, QStringLiteral("00FF00"), 0x00FF00},
        {QStringLiteral("000080"), true, QStringLiteral("000080"), 0x800000},
        {QStringLiteral("12345"), false, QStringLiteral("C0C0C0"), 0xC0C0C0},
        {QStringLiteral("12345"), true, QStringLiteral("C0C0C0"), 0xC0C0C0},
    };
    for (const Case& c : cases) {
        CEdtColor edit;
        edit.resize(120, 30);
        edit.SetColor(0xC0C0C0);
        edit.selectAll();
        QTest::keyClicks(&edit, c.typed);
        if (c.byEnter) {
            QTest::keyClick(&edit, Qt::Key_Return);
        } else {
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(&edit, &out);
        }
        EXPECT_EQ(edit.text(), c.text) << c.typed.toStdString();
        EXPECT_EQ(edit.Color(), c.color) << c.typed.toStdString();

        // Dark colours take white text, light ones black.
        const QColor paper = ToQColor(c.color);
        const bool dark = c.color == 0x800000;
        EXPECT_GT(InkPixels(edit, paper, Qt::gray), 500) << "painted in its colour";
        EXPECT_GT(InkPixels(edit, dark ? Qt::white : Qt::black, paper), 10);
        EXPECT_EQ(InkPixels(edit, dark ? Qt::black : Qt::white, paper), 0);
    }
}

// The colour command on the rows of a small timetable: row 0 has two named marks, row 1 one,
// row 2 none.
class ColorCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        OffscreenApp();
        WriteSJisFile(dir_.File(L"line.tbl"),
                      L";Line\na:快速;快\nb:東京行;東京\n[MON][TUE][WED][THU][FRI]\n#x\n"
                      L"5 ab10 a20 30\n");
        ASSERT_TRUE(timetable_.LoadTimetable(dir_.File(L"line.tbl")));
        timetable_.SetForcedDay(2);
        colors_.Set(L"快速", 0x0000FF);
        colors_.Set(L"東京行", 0x00FF00);
    }

    // Runs the command with `act` operating the dialog once it is up; whether a dialog came up is
    // recorded in `shown`.
    bool Run(int row, const std::function<void(CDlgSetColor&)>& act) {
        shown_ = false;
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<CDlgSetColor*>(QApplication::activeModalWidget())) {
                shown_ = true;
                act(*d);
            }
        });
        const bool changed = RunColorCommand(nullptr, timetable_, row, colors_, dir_.Root());
        QApplication::processEvents();  // the timer of a dialog that never opened
        return changed;
    }

    TempDir dir_;
    AppSettings settings_ = TestSettings();
    ColorTable colors_;
    HolidayCalendar holidays_;
    Timetable timetable_{settings_, colors_, holidays_};
    bool shown_ = false;
};

TEST_F(ColorCommandTest, ChosenMarkIsColoredOrRemovedAndTheFileWritten) {
    using Entries = std::map<std::wstring, ColorRef, std::less<>>;
    const auto typeInto = [](CEdtColor& edit, const QString& text) {
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    };
    struct Case {
        const char* name;
        int row;
        std::function<void(CDlgSetColor&)> act;
        bool shown;
        bool changed;
        Entries expected;
    };
    const std::vector<Case> cases = {
        {"black removes the second mark",
         0,
         [&](CDlgSetColor& d) {
             EXPECT_TRUE(d.secondRadio().isChecked());
             typeInto(d.secondColor(), QStringLiteral("000000"));
             d.okButton().click();
         },
         true,
         true,
         {{L"快速", 0x0000FF}}},
        {"new colour for the first mark",
         0,
         [&](CDlgSetColor& d) {
             d.firstRadio().click();
             typeInto(d.firstColor(), QStringLiteral("ff8000"));
             d.okButton().click();
         },
         true,
         true,
         {{L"快速", 0x0080FF}, {L"東京行", 0x00FF00}}},
        {"a colour typed for the mark not chosen is kept too",
         0,
         [&](CDlgSetColor& d) {
             typeInto(d.firstColor(), QStringLiteral("ff8000"));
             typeInto(d.secondColor(), QStringLiteral("0000ff"));
             d.okButton().click();
         },
         true,
         true,
         {{L"快速", 0x0080FF}, {L"東京行", 0xFF0000}}},
        {"one mark: delete",
         1,
         [&](CDlgSetColor& d) {
             EXPECT_FALSE(d.secondRadio().isEnabled());
             EXPECT_FALSE(d.secondColor().isEnabled());
             EXPECT_TRUE(d.firstRadio().isChecked());
             d.deleteButton().click();
         },
         true,
         true,
         {{L"東京行", 0x00FF00}}},
        {"closed",
         0,
         [](CDlgSetColor& d) { d.reject(); },
         true,
         false,
         {{L"快速", 0x0000FF}, {L"東京行", 0x00FF00}}},
        {"row without marks",
         2,
         [](CDlgSetColor& d) { d.reject(); },
         false,
         false,
         {{L"快速", 0x0000FF}, {L"東京行", 0x00FF00}}},
        {"no row selected",
         -1,
         [](CDlgSetColor& d) { d.reject(); },
         false,
         false,
         {{L"快速", 0x0000FF}, {L"東京行", 0x00FF00}}},
    };
    for (const Case& c : cases) {
        SetUp();
        colors_.Save(dir_.File(L"color.ini"));
        EXPECT_EQ(Run(c.row, c.act), c.changed) << c.name;
        EXPECT_EQ(shown_, c.shown) << c.name;
        EXPECT_EQ(colors_.Entries(), c.expected) << c.name;
        ColorTable onDisk;
        onDisk.Load(dir_.File(L"color.ini"));
        EXPECT_EQ(onDisk.Entries(), c.expected) << c.name;
    }
}

// A mark is known by the beginning of its name, so that is what a long one shows.
TEST(ColorEditingTest, LongMarkNamesShowTheirBeginning) {
    OffscreenApp();
    const std::wstring name = L"快速" + std::wstring(40, L'急') + L"行";
    CDlgSetColor dialog(name, 0x0000FF, name, 0);
    dialog.show();
    QApplication::processEvents();
    for (QLineEdit* edit : {&dialog.firstName(), &dialog.secondName()}) {
        ASSERT_LT(edit->width(), edit->fontMetrics().horizontalAdvance(edit->text()));
        const QPoint left(edit->contentsRect().left() + 1, edit->height() / 2);
        EXPECT_EQ(edit->cursorPositionAt(left), 0);
    }
}

}  // namespace
