// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/WindowStateKeeper.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

#include "OffscreenApp.h"
#include "TestFiles.h"

namespace {

// A window as the program builds it anew for each restart and run: opened where it opens
// first, at the minimum size of the main window.
std::unique_ptr<QDialog> NewWindow() {
    auto window = std::make_unique<QDialog>();
    window->setMinimumSize(300, 400);
    window->resize(408, 427);
    return window;
}

class WindowStateKeeperTest : public ::testing::Test {
protected:
    void SetUp() override {
        OffscreenApp();
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(state_.path().string()));
    }
    void TearDown() override { qunsetenv("XDG_STATE_HOME"); }

    std::wstring Settings(const wchar_t* station) const { return work_.File(station); }

    TempDir state_;
    TempDir work_;
};

// Moved and resized, with reminders on: the next window of the run, and the first of the next
// run, stand there too and remind; the window of another settings file keeps its own state.
TEST_F(WindowStateKeeperTest, TheWindowComesBackWhereItStood) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint moved = screen.topLeft() + QPoint(60, 30);
    WindowStateKeeper run(Settings(L"a/Kovaris.ini"));
    EXPECT_FALSE(run.ReminderOn());
    auto first = NewWindow();
    run.Restore(*first);
    EXPECT_EQ(first->size(), QSize(408, 427));
    first->show();
    first->move(moved);
    first->resize(420, 520);
    run.Keep(*first, true);

    auto restarted = NewWindow();
    run.Restore(*restarted);
    EXPECT_EQ(restarted->pos(), moved);
    EXPECT_EQ(restarted->size(), QSize(420, 520));

    const WindowStateKeeper nextRun(Settings(L"a/../a/Kovaris.ini"));
    EXPECT_TRUE(nextRun.ReminderOn());
    auto next = NewWindow();
    nextRun.Restore(*next);
    EXPECT_EQ(next->pos(), moved);
    EXPECT_EQ(next->size(), QSize(420, 520));

    const WindowStateKeeper otherStation(Settings(L"b/Kovaris.ini"));
    EXPECT_FALSE(otherStation.ReminderOn());
    auto other = NewWindow();
    otherStation.Restore(*other);
    EXPECT_EQ(other->size(), QSize(408, 427));
}

// A place far off every screen, written by hand or left by a screen since unplugged.
TEST_F(WindowStateKeeperTest, APlaceOffTheScreensComesBackOnTheScreen) {
    const std::wstring settings = Settings(L"Kovaris.ini");
    WindowStateKeeper writer(settings);
    auto window = NewWindow();
    window->move(-90000, 90000);
    writer.Keep(*window, false);

    auto restored = NewWindow();
    WindowStateKeeper(settings).Restore(*restored);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(QRect(restored->pos(), restored->size())))
        << restored->x() << "," << restored->y();
}

}  // namespace
