// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// A combo box that the mouse wheel turns only while it has the focus: a wheel turned to scroll
// past it, or a pointer resting on it, must never change what it chooses. Its open list
// scrolls with the wheel as any list does.
class FocusWheelComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit FocusWheelComboBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
