// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/CDlgTab.h"

class CEdtSpin;
class QCheckBox;
class QComboBox;

// When the countdown and the progress bar start, and how names and notes scroll.
class CDlgTabMov1 : public CDlgTab {
    Q_OBJECT

public:
    static constexpr int kMinMinutes = 0;
    static constexpr int kMaxMinutes = 10;
    static constexpr int kMaxReminderLead = 60;

    CDlgTabMov1(AppSettings& settings, Messenger& messenger, QWidget* parent = nullptr);

    void LoadFromSettings() override;
    bool StoreToSettings() override;

    CEdtSpin& countDownEdit() const { return *countDown_; }
    CEdtSpin& reminderLeadEdit() const { return *reminderLead_; }
    QComboBox& scrollCombo() const { return *noteScroll_; }

private:
    CEdtSpin* countDown_;
    CEdtSpin* progress_;
    QComboBox* stationScroll_;
    QComboBox* noteScroll_;
    QCheckBox* selectedOnly_;
    CEdtSpin* reminderLead_;  // minutes before departure that "発車前に知らせる" reminds
};
