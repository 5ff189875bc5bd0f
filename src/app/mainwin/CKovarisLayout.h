// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QList>
#include <functional>

#include "board/WindowLayout.h"

class QWidget;

// The main window's layout: the controls keep the places of the window's template and move
// from there as the window is resized (see winlayout::LayOut). The menu bar is the layout's
// own, so the area laid out is the client area below it.
class CKovarisLayout : public QLayout {
public:
    // `clockHeight` gives the height the clock needs at the time of each layout.
    CKovarisLayout(QWidget* parent, std::function<int()> clockHeight);
    ~CKovarisLayout() override;

    // Places `widget` as `control` of the template. Every control must be set once.
    void SetControl(winlayout::Control control, QWidget* widget);
    // A line at the window's foot, outside the template: while it shows, the controls are laid
    // out in the room above it.
    void SetStatusLine(QWidget* widget);
    // The template's places for the dialog font and the combo box's own height.
    void SetTemplate(const winlayout::Rects& stored) { stored_ = stored; }
    const winlayout::Rects& Template() const { return stored_; }

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    QList<QLayoutItem*> items_;  // indexed by winlayout::Control, then the status line
    winlayout::Rects stored_{};
    std::function<int()> clockHeight_;
};
