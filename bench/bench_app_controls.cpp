// SPDX-License-Identifier: GPL-3.0-or-later
// One refresh of the main window's two controls: the departure list with 20 visible rows (two
// of them with a progress bar, one with a scrolling note) and the clock, painted offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "../tests/support/DemoTimetable.h"
#include "board/BoardSession.h"
#include "controls/CCstClock.h"
#include "controls/CLstTimes.h"
#include "controls/FontSetup.h"
#include "settings/AppSettings.h"
#include "timetable/Clock.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication* const app = new QApplication(argc, argv);  // never torn down
    static const bool fonts = (RegisterFontSubstitutions(), true);
    (void)fonts;
    return *app;
}

struct Board {
    Board() : demo(settings), list(settings), clock(settings, time) {
        settings.progress = 10;
        settings.scrollMode = 1;
        settings.scrollMode2 = 1;  // only the selected row's note scrolls
        list.resize(440, 20 * list.RowHeight() + 2 * list.frameWidth());
        list.show();
        clock.resize(440, clock.RequiredHeight());
        clock.SetCaptions(L"東京・品川方面", L"平日");
        // 10:00:10 on a Monday: 10:01 and 10:08 leave within the bar's ten minutes.
        const Moment now = Moment::FromFields(2026, 12, 7, 10, 0, 10);
        time.Set(now);
        list.ResetRows(&demo.timetable);
        BoardSession session(demo.timetable);
        const BoardFrame frame = session.Tick(now, 0);
        list.Apply(frame);
        list.SelectRow(frame.nextRow + 2);  // 10:15, whose note is too long for the row
        QApplication::processEvents();
    }

    AppSettings settings;
    ManualClock time;
    DemoTimetable demo;
    CLstTimes list;
    CCstClock clock;
};

void BM_RefreshBothControls(benchmark::State& state) {
    App();
    Board board;
    QImage listImage(board.list.size(), QImage::Format_RGB32);
    QImage clockImage(board.clock.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        board.list.AdvanceFrame();
        board.time.AdvanceMs(100);
        board.list.render(&listImage);
        board.clock.render(&clockImage);
        benchmark::DoNotOptimize(listImage.constBits());
        benchmark::DoNotOptimize(clockImage.constBits());
    }
}
BENCHMARK(BM_RefreshBothControls)->Unit(benchmark::kMicrosecond);

void BM_RefreshList(benchmark::State& state) {
    App();
    Board board;
    QImage image(board.list.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        board.list.AdvanceFrame();
        board.list.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RefreshList)->Unit(benchmark::kMicrosecond);

// The rows alone, without the frame and scroll bar that QWidget::render adds.
void BM_PaintRowsOnly(benchmark::State& state) {
    App();
    Board board;
    const int h = board.list.RowHeight();
    QImage image(board.list.viewport()->width(), 20 * h, QImage::Format_RGB32);
    const int top = board.list.currentRow() - 2;
    for (auto _ : state) {
        board.list.AdvanceFrame();
        QPainter painter(&image);
        for (int i = 0; i < 20; ++i) {
            board.list.DrawRow(painter, QRect(0, i * h, image.width(), h), top + i,
                               top + i == board.list.currentRow());
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintRowsOnly)->Unit(benchmark::kMicrosecond);

void BM_RefreshClock(benchmark::State& state) {
    App();
    Board board;
    QImage image(board.clock.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        board.time.AdvanceMs(100);
        board.clock.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RefreshClock)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
