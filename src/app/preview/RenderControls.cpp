// SPDX-License-Identifier: GPL-3.0-or-later
// Writes PNG pictures of the departure list and the clock in their different states, so a
// person can look at what the controls draw without a display: kovaris-render OUTPUT_FOLDER.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdio>
#include <functional>

#include "DemoTimetable.h"
#include "board/BoardSession.h"
#include "controls/CCstClock.h"
#include "controls/CLstTimes.h"
#include "controls/FontSetup.h"
#include "settings/AppSettings.h"
#include "timetable/Clock.h"

namespace {

constexpr int kWidth = 440;
constexpr int kVisibleRows = 20;

// Monday 7 December 2026.
Moment At(int hour, int minute, int second) {
    return Moment::FromFields(2026, 12, 7, hour, minute, second);
}

bool Save(QWidget& widget, const QString& folder, const QString& name) {
    widget.show();
    QApplication::processEvents();
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    widget.render(&image);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

AppSettings BaseSettings() {
    AppSettings settings;
    settings.progress = 2;
    settings.scrollMode = 1;
    return settings;
}

// One picture of the list: `adjust` changes the settings, `position` moves the list.
bool RenderList(const QString& folder, const QString& name,
                const std::function<void(AppSettings&)>& adjust,
                const std::function<void(CLstTimes&, BoardSession&)>& position, unsigned frame) {
    AppSettings settings = BaseSettings();
    adjust(settings);
    DemoTimetable demo(settings);
    CLstTimes list(settings);
    list.resize(kWidth, kVisibleRows * list.RowHeight() + 2 * list.frameWidth());
    list.show();
    QApplication::processEvents();
    list.ResetRows(&demo.timetable);
    BoardSession session(demo.timetable);
    position(list, session);
    list.SetFrame(frame);
    return Save(list, folder, name);
}

// Real time, 50 seconds before the 10:01 departure: two bars, one scrolling note.
void RealTime(CLstTimes& list, BoardSession& session) {
    const BoardFrame frame = session.Tick(At(10, 0, 10), 0);
    list.Apply(frame);
    list.SelectRow(frame.nextRow + 3);
}

// Out of real time at 10:00:10, then shown at `moment`.
std::function<void(CLstTimes&, BoardSession&)> ViewAt(DisplayMode mode, Moment moment) {
    return [mode, moment](CLstTimes& list, BoardSession& session) {
        session.SetRealTime(false);
        list.Apply(session.Tick(At(10, 0, 10), 0));
        list.Apply(session.ShowAt(mode, moment));
    };
}

bool RenderLists(const QString& folder) {
    const auto none = [](AppSettings&) {};
    bool ok = true;
    ok &= RenderList(folder, QStringLiteral("list_realtime"), none, RealTime, 0);
    ok &= RenderList(folder, QStringLiteral("list_realtime_frame10"), none, RealTime, 10);
    ok &= RenderList(folder, QStringLiteral("list_realtime_frame15"), none, RealTime, 15);
    ok &= RenderList(
        folder, QStringLiteral("list_short_texts"),
        [](AppSettings& s) {
            s.shortTimeLeft = 1;
            s.shortMark = 1;
        },
        RealTime, 5);
    ok &= RenderList(
        folder, QStringLiteral("list_selected_row_scrolls_only"),
        [](AppSettings& s) {
            s.scrollMode = 2;
            s.scrollMode2 = 1;
        },
        RealTime, 40);
    ok &= RenderList(folder, QStringLiteral("list_hour_blocks"), none,
                     ViewAt(DisplayMode::HourBlocks, At(11, 0, 0)), 0);
    ok &= RenderList(
        folder, QStringLiteral("list_view_moment_prev_disp"),
        [](AppSettings& s) { s.prevDisp = 1; }, ViewAt(DisplayMode::ViewMoment, At(23, 30, 0)), 0);
    ok &= RenderList(folder, QStringLiteral("list_last_departures_and_blank_rows"), none,
                     ViewAt(DisplayMode::ViewMoment, At(23, 50, 0)), 0);
    ok &= RenderList(
        folder, QStringLiteral("list_large_font"), [](AppSettings& s) { s.timeLstFontSize = 140; },
        RealTime, 0);
    return ok;
}

bool RenderClock(const QString& folder, const QString& name,
                 const std::function<void(AppSettings&)>& adjust, std::wstring rightCaption,
                 int paints) {
    AppSettings settings;
    adjust(settings);
    ManualClock clock(At(9, 5, 3));
    CCstClock widget(settings, clock);
    widget.SetCaptions(L"東京・品川方面", rightCaption);
    widget.resize(kWidth, widget.RequiredHeight());
    for (int i = 1; i < paints; ++i) {
        QImage scratch(widget.size(), QImage::Format_RGB32);
        widget.render(&scratch);
    }
    return Save(widget, folder, name);
}

bool RenderClocks(const QString& folder) {
    const std::wstring caption = L"平日";
    const std::wstring longCaption = L"平日ダイヤ　快速・区間快速・各駅停車　全列車を表示";
    bool ok = true;
    ok &= RenderClock(
        folder, QStringLiteral("clock_default"), [](AppSettings&) {}, caption, 1);
    ok &= RenderClock(
        folder, QStringLiteral("clock_one_line_swapped"),
        [](AppSettings& s) {
            s.clockAlign2 = 1;
            s.clock = 1;
        },
        caption, 1);
    ok &= RenderClock(
        folder, QStringLiteral("clock_two_lines"),
        [](AppSettings& s) {
            s.clockAlign1 = 1;
            s.clockFontSize = 200;
            s.clock2 = 0;
        },
        caption, 1);
    ok &= RenderClock(
        folder, QStringLiteral("clock_two_lines_swapped"),
        [](AppSettings& s) {
            s.clockAlign1 = 1;
            s.clockAlign2 = 1;
            s.clockFontSize = 200;
            s.clock = 2;
        },
        caption, 1);
    ok &= RenderClock(
        folder, QStringLiteral("clock_no_seconds_red"),
        [](AppSettings& s) {
            s.clock2 = 2;
            s.clock = 7;
            s.colorBack = 255;
        },
        caption, 1);
    ok &= RenderClock(
        folder, QStringLiteral("clock_caption_scrolling"), [](AppSettings& s) { s.dirScroll = 2; },
        longCaption, 40);
    ok &= RenderClock(
        folder, QStringLiteral("clock_caption_running_on"), [](AppSettings&) {}, longCaption, 1);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovaris-render OUTPUT_FOLDER\n");
        return 2;
    }
    RegisterFontSubstitutions();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok = RenderLists(folder) && RenderClocks(folder);
    return ok ? 0 : 1;
}
