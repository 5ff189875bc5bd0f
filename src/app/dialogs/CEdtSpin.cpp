// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CEdtSpin.h"

#include <algorithm>

namespace {

// Wide enough for any value a user means, narrow enough for a compact edit.
constexpr int kTypedLimit = 99999;
// Steps further apart than this belong to separate presses of the arrow.
constexpr qint64 kRunGapMs = 600;
constexpr qint64 kFastAfterMs = 1000;

}  // namespace

CEdtSpin::CEdtSpin(int min, int max, bool accelerated, QWidget* parent)
    : QSpinBox(parent), min_(min), max_(max), accelerated_(accelerated) {
    setRange(-kTypedLimit, kTypedLimit);
    setValue(min);
}

void CEdtSpin::stepBy(int steps) {
    const int size = StepSize();
    setValue(std::clamp(value() + steps * size, min_, max_));
    selectAll();
}

QAbstractSpinBox::StepEnabled CEdtSpin::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() > min_) {
        enabled |= StepDownEnabled;
    }
    if (value() < max_) {
        enabled |= StepUpEnabled;
    }
    return enabled;
}

int CEdtSpin::StepSize() {
    if (!accelerated_) {
        return 1;
    }
    if (!lastStep_.isValid() || lastStep_.elapsed() > kRunGapMs) {
        runStart_.start();
    }
    lastStep_.start();
    return runStart_.elapsed() >= kFastAfterMs ? 10 : 5;
}
