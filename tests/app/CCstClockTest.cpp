// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CCstClock.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "OffscreenApp.h"
#include "controls/QtConvert.h"
#include "timetable/Clock.h"

namespace {

constexpr int kWidth = 320;

class CCstClockTest : public ::testing::Test {
protected:
    void SetUp() override { OffscreenApp(); }

    QImage Render(CCstClock& clock) {
        clock.resize(kWidth, clock.RequiredHeight());
        QImage image(clock.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        clock.render(&image);
        return image;
    }

    // Pixels of rows y0..y1 that are neither the box colour nor white: text and its edges.
    int CountInk(const QImage& image, int y0, int y1) const {
        int count = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += IsInk(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return count;
    }

    bool IsInk(QColor c) const { return c != ToQColor(settings_.colorBack) && c != Qt::white; }

    // The x range in which rows y0..y1 show ink, right of `from`.
    std::pair<int, int> InkSpan(const QImage& image, int y0, int y1, int from) const {
        int first = -1;
        int last = -1;
        for (int x = from; x < image.width(); ++x) {
            for (int y = y0; y < y1; ++y) {
                if (IsInk(image.pixelColor(x, y))) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

    // Text in yellow, so it stands apart from the boxes and the white around them.
    AppSettings settings_ = [] {
        AppSettings s = TestSettings();
        s.colorFont = 0x0000FFFF;
        return s;
    }();
    ManualClock time_{Moment::FromFields(2026, 12, 7, 9, 5, 3)};
};

TEST_F(CCstClockTest, BoxesAreTheBackgroundColorOnWhite) {
    settings_.colorBack = 0x00336699;  // red 0x99, green 0x66, blue 0x33
    CCstClock clock(settings_, time_);
    clock.SetCaptions(L"東京方面", L"平日");
    const QImage image = Render(clock);
    const QColor back = ToQColor(settings_.colorBack);
    ASSERT_EQ(back, QColor(0x99, 0x66, 0x33));
    // Inside the upper box near its left end, and inside the lower box near its right end.
    EXPECT_EQ(image.pixelColor(4, 5), back);
    EXPECT_EQ(image.pixelColor(kWidth - 4, clock.RequiredHeight() - 4), back);
    // The outer corner and the gap between the boxes stay white.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    const int contentHeight = clock.Renderer().UpperContentHeight();
    EXPECT_EQ(image.pixelColor(kWidth / 2, contentHeight + 3), QColor(Qt::white));
    // Text is drawn inside both boxes, in the text colour.
    EXPECT_GT(CountInk(image, 1, contentHeight + 3), 20);
    EXPECT_GT(CountInk(image, contentHeight + 5, clock.RequiredHeight() - 2), 20);
    int yellow = 0;
    for (int x = 0; x < kWidth; ++x) {
        yellow += image.pixelColor(x, contentHeight / 2 + 2) == QColor(Qt::yellow) ? 1 : 0;
    }
    EXPECT_GT(yellow, 0);
}

TEST_F(CCstClockTest, TwoLinesAddTheSmallerFontHeightPlusTwo) {
    settings_.dlgFontSize = 95;
    settings_.clockFontSize = 200;
    CCstClock oneLine(settings_, time_);
    settings_.clockAlign1 = 1;
    CCstClock twoLines(settings_, time_);
    const int dateHeight = oneLine.Renderer().DateFontHeight();
    ASSERT_LT(dateHeight, oneLine.Renderer().TimeFontHeight());
    EXPECT_EQ(twoLines.RequiredHeight() - oneLine.RequiredHeight(), dateHeight + 2);
    EXPECT_EQ(oneLine.sizeHint().height(), oneLine.RequiredHeight());
}

TEST_F(CCstClockTest, ArrangementsKeepTheTextInsideTheUpperBox) {
    // Every arrangement: text appears, and nothing is drawn below the upper box's bottom.
    for (int align1 = 0; align1 <= 1; ++align1) {
        for (int align2 = 0; align2 <= 1; ++align2) {
            for (int format = 0; format <= 7; ++format) {
                settings_.clockAlign1 = align1;
                settings_.clockAlign2 = align2;
                settings_.clock = format;
                settings_.clock2 = format % 3;
                CCstClock clock(settings_, time_);
                const QImage image = Render(clock);
                const int contentHeight = clock.Renderer().UpperContentHeight();
                EXPECT_GT(CountInk(image, 1, contentHeight + 3), 30) << align1 << align2 << format;
                EXPECT_EQ(CountInk(image, contentHeight + 3, contentHeight + 5), 0)
                    << align1 << align2 << format;
            }
        }
    }
}

TEST_F(CCstClockTest, LongRightCaptionScrollsAndWrapsWithinItsRoom) {
    settings_.dirScroll = 2;
    CCstClock clock(settings_, time_);
    const std::wstring longCaption = L"平日ダイヤ　快速・区間快速・普通列車　全列車を表示します";
    clock.SetCaptions(L"東京", longCaption);
    // Rows of the lower box clear of its rounded corners.
    const int top = clock.RequiredHeight() - clock.Renderer().CaptionFontHeight();
    const int bottom = clock.RequiredHeight() - 4;
    const int divider = kWidth / 3;
    QImage first = Render(clock);
    QImage second = Render(clock);
    // The caption stays between the divider's margin and the room's end...
    const auto span = InkSpan(first, top, bottom, divider + 3);
    EXPECT_GE(span.first, divider + 10);
    EXPECT_LT(span.second, kWidth - 4);
    // ...and moves between paints.
    EXPECT_NE(first.copy(0, top, kWidth, bottom - top), second.copy(0, top, kWidth, bottom - top));

    // Without scrolling it runs on past the box from the divider.
    settings_.dirScroll = 0;
    CCstClock still(settings_, time_);
    still.SetCaptions(L"東京", longCaption);
    const QImage image = Render(still);
    EXPECT_GE(InkSpan(image, top, bottom, divider + 3).second, kWidth - 4);
    EXPECT_EQ(Render(still), image);
}

TEST_F(CCstClockTest, ScrollingStartsOneStepInAndCountsOnlyScrollingPaints) {
    const std::wstring longCaption = L"平日ダイヤ　快速・区間快速・普通列車　全列車を表示します";
    CCstClockRenderer renderer(settings_);
    const int bottom = renderer.RequiredHeight();
    QImage scratch(kWidth, bottom, QImage::Format_RGB32);
    QPainter painter(&scratch);
    const MomentFields now = time_.Now().Fields();
    int counter = 0;
    settings_.dirScroll = 3;
    renderer.Paint(painter, scratch.rect(), now, L"東京", L"平日", counter);
    EXPECT_EQ(counter, 0);  // fits: no scrolling
    renderer.Paint(painter, scratch.rect(), now, L"東京", longCaption, counter);
    EXPECT_EQ(counter, 1);
    settings_.dirScroll = 0;
    renderer.Paint(painter, scratch.rect(), now, L"東京", longCaption, counter);
    EXPECT_EQ(counter, 1);  // runs on instead
    painter.end();

    // The first scrolling paint already shows the caption moved by DirScroll pixels.
    CCstClock still(settings_, time_);
    still.SetCaptions(L"東京", longCaption);
    const QImage runningOn = Render(still);
    settings_.dirScroll = 3;
    CCstClock moving(settings_, time_);
    moving.SetCaptions(L"東京", longCaption);
    const QImage scrolled = Render(moving);
    const int x0 = kWidth / 3 + 10;
    const int room = kWidth - kWidth / 3 - 14;
    const int y0 = bottom - renderer.CaptionFontHeight();
    for (int y = y0; y < bottom - 4; ++y) {
        for (int x = x0; x < x0 + room - 3; ++x) {
            ASSERT_EQ(scrolled.pixelColor(x, y), runningOn.pixelColor(x + 3, y)) << x << "," << y;
        }
    }
}

}  // namespace
