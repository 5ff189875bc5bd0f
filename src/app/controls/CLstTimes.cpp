// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CLstTimes.h"

#include <QPaintEvent>
#include <QScrollBar>

#include "board/ListRowLayout.h"
#include "controls/CLstTimesDelegate.h"
#include "controls/DepartureRowItem.h"
#include "controls/QtConvert.h"
#include "settings/AppSettings.h"

CLstTimes::CLstTimes(const AppSettings& settings, QWidget* parent)
    : SingleChoiceList(parent), settings_(settings), renderer_(settings) {
    setItemDelegate(new CLstTimesDelegate(*this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::white);
    setPalette(colors);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!settingSelection_) {
            Q_EMIT userSelectionChanged(row);
        }
    });
    // Actions are the user's: the program's own scrolling only sets the value.
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { Q_EMIT userScrolled(); });
}

void CLstTimes::ApplySettings() {
    renderer_.ApplySettings();
    doItemsLayout();
    viewport()->update();
}

void CLstTimes::ResetRows(const Timetable* timetable) {
    timetable_ = timetable;
    rowKeys_.clear();
    const int spare = listrow::VisibleRowCount(viewport()->height(), RowHeight());
    settingSelection_ = true;
    clear();
    settingSelection_ = false;
    const DaySection* section = timetable != nullptr ? timetable->FindSection() : nullptr;
    if (section == nullptr) {
        return;
    }
    const int rows = section->DepartureCount() + spare;
    setUpdatesEnabled(false);
    for (int i = 0; i < rows; ++i) {
        addItem(new DepartureRowItem());
    }
    setUpdatesEnabled(true);
}

void CLstTimes::Apply(const BoardFrame& frame) {
    if (frame.refilled) {
        ResetRows(timetable_);
    }
    if (frame.selectedRow >= 0) {
        if (frame.selectInPlace) {
            SelectRowInPlace(frame.selectedRow);
        } else {
            SelectRow(frame.selectedRow);
        }
    }
    ScrollToTop(frame.topRow);
}

void CLstTimes::SelectRow(int index) {
    if (!IsSelected(index)) {
        SelectProgrammatically(index);
    }
}

void CLstTimes::SelectRowInPlace(int index) {
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    SelectRow(index);
    setAutoScroll(scrolls);
}

void CLstTimes::UpdateChangedRows() {
    rowKeys_.resize(static_cast<std::size_t>(count()));
    const QRect visible = viewport()->rect();
    for (int row = indexAt(visible.topLeft()).row(); row >= 0 && row < count(); ++row) {
        const QRect rect = visualItemRect(item(row));
        if (!rect.intersects(visible)) {
            break;
        }
        const ListRowKey key = renderer_.KeyOf(rect, renderer_.MakeRow(timetable_, row),
                                               IsSelected(row), ShowsFocusMark(row), frame_);
        if (key != rowKeys_[static_cast<std::size_t>(row)]) {
            viewport()->update(rect);
        }
    }
}

QString CLstTimes::SpokenRow(int row) const {
    return ToQString(renderer_.SpokenRow(timetable_, row));
}

void CLstTimes::DrawRow(QPainter& painter, const QRect& rect, int row, bool selected,
                        bool focusMark) {
    ListRowView view = renderer_.MakeRow(timetable_, row);
    renderer_.PaintRow(painter, rect, view, selected, frame_, focusMark);
    if (row >= 0 && row < count()) {
        rowKeys_.resize(static_cast<std::size_t>(count()));
        const bool paintedWhole =
            QRegion(rect & viewport()->rect()).subtracted(paintRegion_).isEmpty();
        rowKeys_[static_cast<std::size_t>(row)] =
            paintedWhole
                ? std::optional(renderer_.KeyOf(rect, std::move(view), selected, focusMark, frame_))
                : std::nullopt;
    }
}

void CLstTimes::paintEvent(QPaintEvent* event) {
    paintRegion_ = event->region();
    SingleChoiceList::paintEvent(event);
    paintRegion_ = QRegion();
}

void CLstTimes::focusInEvent(QFocusEvent* event) {
    // Qt gives a list without a current row one when it takes the focus; the user chose nothing.
    settingSelection_ = true;
    SingleChoiceList::focusInEvent(event);
    settingSelection_ = false;
    UpdateChangedRows();  // the focus mark comes
}

void CLstTimes::focusOutEvent(QFocusEvent* event) {
    SingleChoiceList::focusOutEvent(event);
    UpdateChangedRows();  // the focus mark goes
}

// The item view marks its current row as having the focus while the list has it.
bool CLstTimes::ShowsFocusMark(int row) const {
    return row == currentRow() && (hasFocus() || viewport()->hasFocus());
}

// A current row need not be selected (Qt gives one on taking the focus), so ask the row itself.
bool CLstTimes::IsSelected(int row) const {
    const QListWidgetItem* rowItem = item(row);
    return rowItem != nullptr && rowItem->isSelected();
}

int CLstTimes::SelectedRow() const {
    const int row = currentRow();
    return IsSelected(row) ? row : -1;
}

void CLstTimes::SelectProgrammatically(int row) {
    settingSelection_ = true;
    setCurrentRow(row);
    settingSelection_ = false;
}

void CLstTimes::ScrollToTop(int row) {
    if (row >= 0 && row < count()) {
        scrollToItem(item(row), QAbstractItemView::PositionAtTop);
    }
}

int CLstTimes::TopRow() const {
    return indexAt(QPoint(1, 1)).row();
}
