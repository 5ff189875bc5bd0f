// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ActivityButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

ActivityButton::ActivityButton(const QString& glyph, QWidget* parent)
    : QPushButton(parent), glyph_(glyph) {}

void ActivityButton::SetGlyph(const QString& glyph) {
    if (glyph != glyph_) {
        glyph_ = glyph;
        update();
    }
}

void ActivityButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = glyph_;
    painter.drawControl(QStyle::CE_PushButton, option);
}
