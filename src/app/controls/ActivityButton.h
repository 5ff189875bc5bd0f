// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>
#include <QString>

// The real-time button, whose face turns while the board follows the clock. The turning glyph is
// only drawn: it is not the button's text, so the button keeps its name for a screen reader and
// tells it of no change five times a second.
class ActivityButton : public QPushButton {
    Q_OBJECT

public:
    explicit ActivityButton(const QString& glyph, QWidget* parent = nullptr);

    void SetGlyph(const QString& glyph);
    const QString& Glyph() const { return glyph_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString glyph_;
};
