// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CEdtColor.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include "controls/QtConvert.h"
#include "settings/ColorText.h"

namespace {

ColorRef ToColorRef(const QColor& color) {
    return static_cast<ColorRef>(color.red()) | (static_cast<ColorRef>(color.green()) << 8) |
           (static_cast<ColorRef>(color.blue()) << 16);
}

}  // namespace

CEdtColor::CEdtColor(QWidget* parent) : QLineEdit(parent) {
    SetColor(color_);
}

void CEdtColor::SetColor(ColorRef color) {
    color_ = color;
    setText(ToQString(ColorHexText(color)));
    QPalette colors = palette();
    colors.setColor(QPalette::Base, ToQColor(color));
    colors.setColor(QPalette::Text, UsesWhiteText(color) ? Qt::white : Qt::black);
    setPalette(colors);
}

void CEdtColor::ParseText() {
    SetColor(ParseColorHex(ToWString(text())).value_or(color_));
}

void CEdtColor::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        ChooseColor();
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CEdtColor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ParseText();
    }
    // Enter goes on to the dialog, whose default button still answers it.
    QLineEdit::keyPressEvent(event);
}

void CEdtColor::focusOutEvent(QFocusEvent* event) {
    ParseText();
    QLineEdit::focusOutEvent(event);
}

void CEdtColor::ChooseColor() {
    // Every opening starts from black custom colours; choices from earlier openings are not kept.
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, Qt::black);
    }
    const QColor chosen = QColorDialog::getColor(ToQColor(color_), this, tr("色の設定"),
                                                 QColorDialog::DontUseNativeDialog);
    if (chosen.isValid()) {
        SetColor(ToColorRef(chosen));
    }
}
