#pragma once

#include "settings/CDlgTab.h"

class CEdtSpin;
class QCheckBox;
class QComboBox;

// When the countdown and the progress bar start, and how names and notes scroll.
class CDlgTabMov1 : public CDlgTab {
    Q_OBJECT

public:
    static constexpr int kMinMinutes = 0;
    static constexpr int kMaxMinutes = 10;

    CDlgTabMov1(AppSettings& settings, Messenger& messenger, QWidget* parent = nullptr);

    void LoadFromSettings() override;
    bool StoreToSettings() override;

    CEdtSpin& countDownEdit() const { return *countDown_; }
    QComboBox& scrollCombo() const { return *noteScroll_; }

private:
    CEdtSpin* countDown_;
    CEdtSpin* progress_;
    QComboBox* stationScroll_;
    QComboBox* noteScroll_;
    QCheckBox* selectedOnly_;
};
