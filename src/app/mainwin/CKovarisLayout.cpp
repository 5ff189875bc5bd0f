// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/CKovarisLayout.h"

#include <QWidget>

#include "controls/QtConvert.h"

CKovarisLayout::CKovarisLayout(QWidget* parent, std::function<int()> clockHeight)
    : QLayout(parent), clockHeight_(std::move(clockHeight)) {
    for (int i = 0; i < winlayout::kControlCount; ++i) {
        items_.append(nullptr);
    }
    // The window's minimum size is its own; the layout squeezes the controls to fit it.
    setSizeConstraint(QLayout::SetNoConstraint);
}

CKovarisLayout::~CKovarisLayout() {
    qDeleteAll(items_);
}

void CKovarisLayout::SetControl(winlayout::Control control, QWidget* widget) {
    addChildWidget(widget);
    delete items_[control];
    items_[control] = new QWidgetItem(widget);
    invalidate();
}

void CKovarisLayout::SetStatusLine(QWidget* widget) {
    addChildWidget(widget);
    items_.append(new QWidgetItem(widget));
    invalidate();
}

void CKovarisLayout::addItem(QLayoutItem* item) {
    // Only controls with a place in the template belong here.
    delete item;
}

QLayoutItem* CKovarisLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem* CKovarisLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size()) {
        return nullptr;
    }
    QLayoutItem* item = items_[index];
    items_[index] = nullptr;
    return item;
}

int CKovarisLayout::count() const {
    return static_cast<int>(items_.size());
}

QSize CKovarisLayout::sizeHint() const {
    const int side = winlayout::InitialSide(stored_);
    return {side, side};
}

QSize CKovarisLayout::minimumSize() const {
    return {0, 0};
}

void CKovarisLayout::setGeometry(const QRect& whole) {
    QLayout::setGeometry(whole);
    QRect rect = whole;
    if (items_.size() > winlayout::kControlCount) {
        QWidget* status = items_.back()->widget();
        if (!status->isHidden()) {
            const int height = status->sizeHint().height();
            rect.setBottom(whole.bottom() - height);
            status->setGeometry(whole.left(), rect.bottom() + 1, whole.width(), height);
        }
    }
    const QWidget* combo =
        items_[winlayout::kCombo] ? items_[winlayout::kCombo]->widget() : nullptr;
    winlayout::Frame frame;
    frame.width = rect.width();
    frame.height = rect.height();
    frame.comboShown = combo != nullptr && !combo->isHidden();
    frame.clockHeight = clockHeight_();
    const winlayout::Rects places = winlayout::LayOut(stored_, frame);
    for (int i = 0; i < winlayout::kControlCount; ++i) {
        if (QLayoutItem* item = items_[i]) {
            const QRect place =
                ToQRect(places[static_cast<std::size_t>(i)]).translated(rect.topLeft());
            item->widget()->setGeometry(place.x(), place.y(), std::max(place.width(), 0),
                                        std::max(place.height(), 0));
        }
    }
}
