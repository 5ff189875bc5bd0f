// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgTabMov1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <algorithm>

#include "dialogs/CEdtSpin.h"
#include "settings/AppSettings.h"

namespace {

void FillScrollModes(QComboBox& combo) {
    combo.addItem(QCoreApplication::translate("CDlgTabMov1", "スクロールなし"), 0);
    combo.addItem(QCoreApplication::translate("CDlgTabMov1", "スクロール"), 1);
    combo.addItem(QCoreApplication::translate("CDlgTabMov1", "スクロール(x2)"), 2);
}

// A mode the combo does not offer shows as its first entry.
void SelectMode(QComboBox& combo, int mode) {
    combo.setCurrentIndex(std::max(combo.findData(mode), 0));
}

int SelectedMode(const QComboBox& combo) {
    return combo.currentIndex() < 0 ? 0 : combo.currentData().toInt();
}

}  // namespace

CDlgTabMov1::CDlgTabMov1(AppSettings& settings, Messenger& messenger, QWidget* parent)
    : CDlgTab(settings, messenger, parent),
      countDown_(new CEdtSpin(kMinMinutes, kMaxMinutes, false, this)),
      progress_(new CEdtSpin(kMinMinutes, kMaxMinutes, false, this)),
      stationScroll_(new QComboBox(this)),
      noteScroll_(new QComboBox(this)),
      selectedOnly_(new QCheckBox(tr("時刻表備考欄-選択行のみスクロール"), this)),
      reminderLead_(new CEdtSpin(kMinMinutes, kMaxReminderLead, false, this)) {
    FillScrollModes(*stationScroll_);
    FillScrollModes(*noteScroll_);

    auto* layout = new QGridLayout(this);
    AddRow(*layout, 0, tr("カウントダウン開始分(0-10)："), countDown_);
    AddRow(*layout, 1, tr("プログレスバー開始分(0-10)："), progress_);
    AddRow(*layout, 2, tr("駅表示："), stationScroll_);
    AddRow(*layout, 3, tr("スクロール表示:"), noteScroll_);
    layout->addWidget(selectedOnly_, 4, 0, 1, 2);
    AddRow(*layout, 5, tr("発車前に知らせる分(0-60)："), reminderLead_);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(6, 1);
}

void CDlgTabMov1::LoadFromSettings() {
    countDown_->setValue(settings_.countDown);
    progress_->setValue(settings_.progress);
    SelectMode(*stationScroll_, settings_.dirScroll);
    SelectMode(*noteScroll_, settings_.scrollMode);
    selectedOnly_->setChecked(settings_.scrollMode2 != 0);
    // The file may come from a program that keeps any number here; out of range, it would keep
    // the user on this page.
    reminderLead_->setValue(std::clamp(settings_.almBefTime, kMinMinutes, kMaxReminderLead));
}

bool CDlgTabMov1::StoreToSettings() {
    int countDown = 0;
    int progress = 0;
    int reminderLead = 0;
    if (!ReadInt(*countDown_, kMinMinutes, kMaxMinutes, countDown) ||
        !ReadInt(*progress_, kMinMinutes, kMaxMinutes, progress) ||
        !ReadInt(*reminderLead_, kMinMinutes, kMaxReminderLead, reminderLead)) {
        return false;
    }
    settings_.almBefTime = reminderLead;
    settings_.countDown = countDown;
    settings_.progress = progress;
    settings_.dirScroll = SelectedMode(*stationScroll_);
    settings_.scrollMode = SelectedMode(*noteScroll_);
    settings_.scrollMode2 = selectedOnly_->isChecked() ? 1 : 0;
    return true;
}
