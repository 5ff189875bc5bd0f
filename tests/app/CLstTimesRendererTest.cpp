// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CLstTimesRenderer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "OffscreenApp.h"
#include "board/ListRowLayout.h"
#include "controls/QtConvert.h"

namespace {

constexpr int kWidth = 400;

class CLstTimesRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        OffscreenApp();
        settings_.progress = 2;
    }

    QImage Paint(const ListRowView& row, bool selected, unsigned frame) {
        CLstTimesRenderer renderer(settings_);
        QImage image(kWidth, renderer.RowHeight(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        renderer.PaintRow(painter, image.rect(), row, selected, frame);
        return image;
    }

    int TextWidth(const std::wstring& text) {
        return QFontMetrics(CLstTimesRenderer(settings_).Font()).horizontalAdvance(ToQString(text));
    }

    AppSettings settings_ = TestSettings();
};

ListRowView Row(int seconds, std::wstring note = L"", ColorRef color = 0) {
    ListRowView row;
    row.text = L"先　発 10:05 あと   42秒 ";
    row.note = std::move(note);
    row.color = color;
    row.seconds = seconds;
    return row;
}

TEST_F(CLstTimesRendererTest, ProgressBarCoversTheRightHalfAtSixtySeconds) {
    ListRowView row = Row(60);
    row.text = L"";  // nothing drawn over the bar
    const QImage image = Paint(row, false, 0);
    const int mid = image.height() / 2;
    const QColor bar = ToQColor(listrow::BarColor(0xFFFFFF, 0, 0));
    EXPECT_EQ(image.pixelColor(kWidth / 2 - 1, mid), QColor(Qt::white));
    for (int x : {kWidth / 2 + 5, kWidth * 3 / 4 - 5, kWidth * 3 / 4 + 5, kWidth - 1}) {
        EXPECT_EQ(image.pixelColor(x, mid), bar) << x;
    }
    // A pixel's margin above and below the bar.
    EXPECT_EQ(image.pixelColor(kWidth - 10, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(kWidth - 10, image.height() - 1), QColor(Qt::white));
    // The long mark at one minute is cut out of the bar; the short one at 90 s is drawn ahead
    // of the bar in its colour, only in the upper half of the row.
    EXPECT_EQ(image.pixelColor(kWidth / 2 + 1, mid), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(kWidth / 4, 3), bar);
    EXPECT_EQ(image.pixelColor(kWidth / 4, image.height() - 3), QColor(Qt::white));
}

TEST_F(CLstTimesRendererTest, ProgressBarPulsesAndStaysAwayFromOtherRows) {
    ListRowView row = Row(60);
    row.text = L"";
    const int mid = Paint(row, false, 0).height() / 2;
    EXPECT_EQ(Paint(row, false, 10).pixelColor(kWidth - 10, mid),
              ToQColor(listrow::BarColor(0xFFFFFF, 0, 10)));
    EXPECT_EQ(Paint(row, false, 30).pixelColor(kWidth - 10, mid),
              ToQColor(listrow::BarColor(0xFFFFFF, 0, 10)));
    for (int seconds : {120, -1, -30}) {
        EXPECT_EQ(Paint(Row(seconds), false, 0).pixelColor(kWidth - 10, mid), QColor(Qt::white))
            << seconds;
    }
    settings_.progress = 0;
    EXPECT_EQ(Paint(Row(30), false, 0).pixelColor(kWidth - 10, mid), QColor(Qt::white));
}

TEST_F(CLstTimesRendererTest, SelectedRowBlendsItsBarFromTheRowColorTowardWhite) {
    const ColorRef red = 0x000000C0;
    ListRowView row = Row(60, L"", red);
    row.text = L"";
    const QImage image = Paint(row, true, 4);
    const int mid = image.height() / 2;
    EXPECT_EQ(image.pixelColor(kWidth - 10, mid), ToQColor(listrow::BarColor(red, 0xFFFFFF, 4)));
    EXPECT_EQ(image.pixelColor(10, mid), QColor(0xC0, 0, 0));
    // The long mark at one minute is cut out of the bar in the row colour.
    EXPECT_EQ(image.pixelColor(kWidth / 2 + 1, mid), QColor(0xC0, 0, 0));
}

TEST_F(CLstTimesRendererTest, SelectedRowIsWhiteOnTheRowColor) {
    const ColorRef red = 0x000000C0;
    const QImage plain = Paint(Row(600, L"快速 ", red), false, 0);
    const QImage selected = Paint(Row(600, L"快速 ", red), true, 0);
    EXPECT_EQ(plain.pixelColor(kWidth - 2, 1), QColor(Qt::white));
    EXPECT_EQ(selected.pixelColor(kWidth - 2, 1), QColor(0xC0, 0, 0));
    int whiteInk = 0;
    int redInk = 0;
    for (int x = 0; x < kWidth / 2; ++x) {
        for (int y = 0; y < plain.height(); ++y) {
            redInk += IsMostlyInk(plain.pixelColor(x, y), QColor(0xC0, 0, 0), Qt::white) ? 1 : 0;
            whiteInk +=
                IsMostlyInk(selected.pixelColor(x, y), Qt::white, QColor(0xC0, 0, 0)) ? 1 : 0;
        }
    }
    EXPECT_GT(redInk, 20);
    EXPECT_GT(whiteInk, 20);
}

const std::wstring kLongNote = L"快速 東京行 グリーン車付 弱冷房車 女性専用車 ";

TEST_F(CLstTimesRendererTest, LongNoteMovesTenPixelsASecond) {
    settings_.scrollMode = 1;
    const int textWidth = TextWidth(Row(600).text);
    ASSERT_GT(TextWidth(kLongNote), kWidth - textWidth);
    const QImage before = Paint(Row(600, kLongNote), false, 0);
    const QImage after = Paint(Row(600, kLongNote), false, 10);
    ASSERT_NE(before, after);
    for (int y = 0; y < before.height(); ++y) {
        for (int x = textWidth; x < kWidth - 10; ++x) {
            ASSERT_EQ(after.pixelColor(x, y), before.pixelColor(x + 10, y)) << x << "," << y;
        }
    }
    // The row text itself stands still.
    EXPECT_EQ(after.copy(0, 0, textWidth, after.height()),
              before.copy(0, 0, textWidth, before.height()));
    // Double speed: twenty pixels a second.
    settings_.scrollMode = 2;
    const QImage fast = Paint(Row(600, kLongNote), false, 10);
    EXPECT_EQ(fast.pixelColor(textWidth + 5, 6), before.pixelColor(textWidth + 25, 6));
}

TEST_F(CLstTimesRendererTest, NotesThatStandStill) {
    struct Case {
        const char* name;
        std::wstring note;
        int scrollMode;
        int scrollMode2;
        bool selected;
    };
    const std::vector<Case> cases = {
        {"fits", L"快速 ", 1, 0, false},
        {"scrolling off", kLongNote, 0, 0, false},
        {"only the selected row scrolls", kLongNote, 2, 1, false},
    };
    for (const Case& c : cases) {
        settings_.scrollMode = c.scrollMode;
        settings_.scrollMode2 = c.scrollMode2;
        EXPECT_EQ(Paint(Row(600, c.note), c.selected, 0), Paint(Row(600, c.note), c.selected, 7))
            << c.name;
    }
    settings_.scrollMode2 = 1;
    EXPECT_NE(Paint(Row(600, kLongNote), true, 0), Paint(Row(600, kLongNote), true, 7));
}

TEST_F(CLstTimesRendererTest, ScrollingNoteShowsTheBarBehindIt) {
    settings_.scrollMode = 1;
    const QImage image = Paint(Row(60, kLongNote), false, 3);
    const QColor bar = ToQColor(listrow::BarColor(0xFFFFFF, 0, 3));
    int barPixels = 0;
    for (int x = kWidth / 2 + 3; x < kWidth; ++x) {
        barPixels += image.pixelColor(x, image.height() / 2) == bar ? 1 : 0;
    }
    EXPECT_GT(barPixels, kWidth / 8);
}

}  // namespace
