// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QSpinBox>

// An integer edit with up and down arrows. Any integer may be typed, so that the page can name
// the accepted range when the user leaves it; the arrows keep to [min, max]. With acceleration
// the arrows step by 5, and by 10 once held for a second.
class CEdtSpin : public QSpinBox {
    Q_OBJECT

public:
    CEdtSpin(int min, int max, bool accelerated, QWidget* parent = nullptr);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int StepSize();

    int min_;
    int max_;
    bool accelerated_;
    QElapsedTimer runStart_;  // when the arrow was first pressed in this run of steps
    QElapsedTimer lastStep_;
};
