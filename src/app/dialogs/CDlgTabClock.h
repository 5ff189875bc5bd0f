// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/CDlgTab.h"
#include "timetable/Moment.h"

class CEdtColor;
class QCheckBox;
class QComboBox;

// The clock's date and time formats, shown with the current moment, its colours and layout.
class CDlgTabClock : public CDlgTab {
    Q_OBJECT

public:
    CDlgTabClock(AppSettings& settings, Messenger& messenger, const MomentFields& now,
                 QWidget* parent = nullptr);

    void LoadFromSettings() override;
    bool StoreToSettings() override;

    QComboBox& dateCombo() const { return *dateFormat_; }
    QComboBox& timeCombo() const { return *timeFormat_; }

private:
    QComboBox* dateFormat_;
    QComboBox* timeFormat_;
    CEdtColor* background_;
    CEdtColor* text_;
    QCheckBox* twoLines_;
    QCheckBox* swapped_;
};
