// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include "settings/ColorTable.h"

// An edit that shows a colour as six hex digits on a background of that colour. A click opens
// the colour chooser; Enter and leaving the edit read the typed digits.
class CEdtColor : public QLineEdit {
    Q_OBJECT

public:
    explicit CEdtColor(QWidget* parent = nullptr);

    // Sets the colour and rewrites the text from it.
    void SetColor(ColorRef color);
    ColorRef Color() const { return color_; }
    // Takes six typed hex digits as the new colour; any other text gives way to the current one.
    void ParseText();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ChooseColor();

    ColorRef color_ = 0xFFFFFF;
};
