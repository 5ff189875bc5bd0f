// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CLstTimes.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <vector>

#include "DemoTimetable.h"
#include "OffscreenApp.h"
#include "board/BoardSession.h"
#include "controls/QtConvert.h"

namespace {

constexpr int kVisibleRows = 20;

// Monday 7 December 2026 (a weekday), Saturday 12 December.
Moment Monday(int hour, int minute, int second = 0) {
    return Moment::FromFields(2026, 12, 7, hour, minute, second);
}
Moment Saturday(int hour, int minute) {
    return Moment::FromFields(2026, 12, 12, hour, minute, 0);
}

class CLstTimesTest : public ::testing::Test {
protected:
    void SetUp() override {
        list_.resize(400, kVisibleRows * list_.RowHeight() + 2 * list_.frameWidth());
        list_.show();
        list_.ResetRows(&demo_.timetable);
        list_.Apply(session_.Tick(Monday(10, 0), 0));
    }

    void ShowAt(DisplayMode mode, Moment moment) { list_.Apply(session_.ShowAt(mode, moment)); }

    const DaySection& Section() const { return *demo_.timetable.FindSection(); }
    int Departures() const { return Section().DepartureCount(); }
    int TopRow() const { return list_.indexAt(QPoint(2, 2)).row(); }
    int IndexOf(int minutes) const {
        for (int i = 0; i < Departures(); ++i) {
            if (Section().DepartureAt(i).time == minutes) {
                return i;
            }
        }
        return -1;
    }

    QImage Render() {
        QImage image(list_.size(), QImage::Format_RGB32);
        list_.render(&image);
        return image;
    }

    QApplication& app_ = OffscreenApp();  // before any widget
    AppSettings settings_ = TestSettings();
    DemoTimetable demo_{settings_};
    CLstTimes list_{settings_};
    BoardSession session_{demo_.timetable};
};

TEST_F(CLstTimesTest, RowsForEveryDepartureAndAScreenfulMore) {
    EXPECT_EQ(list_.count(), Departures() + kVisibleRows);
    // The last departure (00:36 of the next night) can be shown at the top.
    const int last = Section().departures.back().time;
    ASSERT_GE(last, 24 * 60);
    ShowAt(DisplayMode::ViewMoment, Monday(last / 60 - 24, last % 60));
    EXPECT_EQ(TopRow(), Departures() - 1);

    // Saturday has fewer departures: the rows are made again for its section.
    session_.SetRealTime(true);
    list_.Apply(session_.Tick(Saturday(10, 0), 0));
    EXPECT_EQ(Section().dayMask, DemoTimetable::kWeekendAndHolidays);
    EXPECT_EQ(list_.count(), Departures() + kVisibleRows);
    EXPECT_EQ(list_.SelectedRow(), IndexOf(10 * 60));

    // A day no section serves leaves the list empty.
    demo_.timetable.sections.clear();
    list_.Apply(session_.Tick(Saturday(10, 1), 100));
    EXPECT_EQ(list_.count(), 0);
    EXPECT_EQ(list_.SelectedRow(), -1);
}

TEST_F(CLstTimesTest, ShowAtPutsTheDepartureAtTheTopAndSelectsIt) {
    std::vector<int> userChanges;
    QObject::connect(&list_, &CLstTimes::userSelectionChanged,
                     [&userChanges](int row) { userChanges.push_back(row); });
    list_.clearFocus();
    list_.activateWindow();
    list_.setFocus(Qt::TabFocusReason);  // Qt makes a current row of its own here
    QApplication::processEvents();
    const int noon = IndexOf(12 * 60);
    ASSERT_GE(noon, 1);
    ShowAt(DisplayMode::ViewMoment, Monday(11, 58));
    EXPECT_EQ(list_.currentRow(), noon);
    EXPECT_EQ(TopRow(), noon);

    settings_.prevDisp = 1;
    const int later = IndexOf(13 * 60 + 3);
    ShowAt(DisplayMode::ViewMoment, Monday(13, 0));
    EXPECT_EQ(TopRow(), later - 1);

    list_.SelectRow(5);
    EXPECT_EQ(list_.currentRow(), 5);
    // A current row whose selection was cleared (Ctrl+click) is selected again.
    list_.clearSelection();
    list_.SelectRow(5);
    EXPECT_TRUE(list_.item(5)->isSelected());
    ShowAt(DisplayMode::ViewMoment, Monday(13, 0));
    list_.clearSelection();
    ShowAt(DisplayMode::ViewMoment, Monday(13, 0));
    EXPECT_TRUE(list_.item(later)->isSelected());
    list_.SelectRow(5);
    // None of this was the user's doing; a key press is.
    EXPECT_TRUE(userChanges.empty());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&list_, &down);
    EXPECT_EQ(userChanges, std::vector<int>{6});
}

// A single-selection list keeps its one selected row: the arrival list follows that row.
TEST_F(CLstTimesTest, CtrlClickAndCtrlSpaceKeepTheSelectedRow) {
    const int row = IndexOf(12 * 60);
    ShowAt(DisplayMode::ViewMoment, Monday(11, 58));
    ASSERT_TRUE(list_.item(row)->isSelected());
    const QPointF centre = list_.visualItemRect(list_.item(row)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, centre, list_.viewport()->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::ControlModifier);
        QApplication::sendEvent(list_.viewport(), &click);
    }
    EXPECT_TRUE(list_.item(row)->isSelected()) << "after Ctrl+click";
    list_.SelectRow(row);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::ControlModifier, QStringLiteral(" "));
    QApplication::sendEvent(&list_, &space);
    EXPECT_TRUE(list_.item(row)->isSelected()) << "after Ctrl+Space";
    EXPECT_EQ(list_.selectedItems().size(), 1);
    EXPECT_EQ(list_.currentRow(), row);
}

TEST_F(CLstTimesTest, DrawingColorsTheSelection) {
    const int next = IndexOf(10 * 60 + 1);
    ASSERT_EQ(list_.currentRow(), next);
    // 10:01 has the marks "c": the blue of 各駅停車.
    ASSERT_EQ(Section().DepartureAt(next).marks, L"c");
    const QImage image = Render();
    const QRect row = list_.visualItemRect(list_.item(next));
    const QPoint inImage = list_.viewport()->mapTo(&list_, row.topRight());
    EXPECT_EQ(image.pixelColor(inImage.x() - 1, inImage.y() + 1),
              ToQColor(*demo_.colors.Find(L"各駅停車")));
}

// Collects what the viewport is asked to paint.
struct PaintRecorder : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// A paint that covered only part of a row (the strip a scroll uncovers) leaves the rest of it
// as it was: the next refresh paints the row whole, so no old label can stay behind.
TEST_F(CLstTimesTest, ARowPaintedInPartIsPaintedWholeAtTheNextRefresh) {
    QApplication::processEvents();
    PaintRecorder recorder;
    list_.viewport()->installEventFilter(&recorder);
    const QRect top = list_.visualItemRect(list_.item(TopRow()));
    const QRect second = list_.visualItemRect(list_.item(TopRow() + 1));
    list_.viewport()->repaint(top.adjusted(0, 0, 0, -top.height() / 2));

    recorder.painted = QRegion();
    list_.UpdateChangedRows();
    QApplication::processEvents();
    EXPECT_TRUE(QRegion(top).subtracted(recorder.painted).isEmpty());
    // Rows painted whole and unchanged are left alone.
    EXPECT_FALSE(recorder.painted.intersects(second));
}

// With the keyboard focus the current row is framed, dotted, in the colour of its text (white on
// the selected row); the frame stands still, so refreshes that change nothing paint nothing.
TEST_F(CLstTimesTest, TheCurrentRowIsFramedWhileTheListHasTheFocus) {
    const QRect row = list_.visualItemRect(list_.item(list_.currentRow()));
    // A dot of the top edge, above the progress bar and the text, and one of the right edge.
    const QPoint edge =
        list_.viewport()->mapTo(&list_, QPoint(row.left() + (row.width() - 24) / 2 * 2, row.top()));
    const QPoint side = list_.viewport()->mapTo(&list_, QPoint(row.right(), row.top() + 4));
    const QColor rowColor = ToQColor(*demo_.colors.Find(L"各駅停車"));
    EXPECT_EQ(Render().pixelColor(edge), rowColor);

    list_.activateWindow();
    list_.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(list_.hasFocus());
    EXPECT_EQ(Render().pixelColor(edge), QColor(Qt::white));
    EXPECT_EQ(Render().pixelColor(side), QColor(Qt::white));

    PaintRecorder recorder;
    list_.viewport()->installEventFilter(&recorder);
    list_.UpdateChangedRows();
    QApplication::processEvents();
    EXPECT_TRUE(recorder.painted.isEmpty());

    list_.clearFocus();
    QApplication::processEvents();
    EXPECT_EQ(Render().pixelColor(edge), rowColor);
}

}  // namespace
