// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgTabClock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "board/ClockText.h"
#include "controls/QtConvert.h"
#include "dialogs/CEdtColor.h"
#include "i18n/BoardWordsTranslation.h"
#include "settings/AppSettings.h"

namespace {

// A format index from the file selects its entry; any other number selects none.
int EntryFor(int index, int count) {
    return index >= 0 && index < count ? index : -1;
}

}  // namespace

CDlgTabClock::CDlgTabClock(AppSettings& settings, Messenger& messenger, const MomentFields& now,
                           QWidget* parent)
    : CDlgTab(settings, messenger, parent),
      dateFormat_(new QComboBox(this)),
      timeFormat_(new QComboBox(this)),
      background_(new CEdtColor(this)),
      text_(new CEdtColor(this)),
      twoLines_(new QCheckBox(tr("日付時刻の2行表示"), this)),
      swapped_(new QCheckBox(tr("日付<->時刻 入替え"), this)) {
    const BoardWords words = TranslatedBoardWords();
    for (int i = 0; i < clocktext::kDateFormatCount; ++i) {
        dateFormat_->addItem(ToQString(clocktext::DateText(i, now, words)));
    }
    for (int i = 0; i < clocktext::kTimeFormatCount; ++i) {
        timeFormat_->addItem(
            ToQString(clocktext::TimeText(i, now, words) + clocktext::SecondsText(i, now, words)));
    }

    auto* layout = new QGridLayout(this);
    AddRow(*layout, 0, tr("日付表示"), dateFormat_);
    AddRow(*layout, 1, tr("時刻表示"), timeFormat_);
    AddRow(*layout, 2, tr("背景色"), background_);
    AddRow(*layout, 3, tr("文字色"), text_);
    layout->addWidget(twoLines_, 4, 0, 1, 2);
    layout->addWidget(swapped_, 5, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(6, 1);
}

void CDlgTabClock::LoadFromSettings() {
    dateFormat_->setCurrentIndex(EntryFor(settings_.clock, clocktext::kDateFormatCount));
    timeFormat_->setCurrentIndex(EntryFor(settings_.clock2, clocktext::kTimeFormatCount));
    background_->SetColor(settings_.colorBack);
    text_->SetColor(settings_.colorFont);
    twoLines_->setChecked(settings_.clockAlign1 != 0);
    swapped_->setChecked(settings_.clockAlign2 != 0);
}

bool CDlgTabClock::StoreToSettings() {
    // A tab click leaves the focus where it was, so digits typed last are read here.
    background_->ParseText();
    text_->ParseText();
    settings_.clock = dateFormat_->currentIndex();
    settings_.clock2 = timeFormat_->currentIndex();
    settings_.colorBack = background_->Color();
    settings_.colorFont = text_->Color();
    settings_.clockAlign1 = twoLines_->isChecked() ? 1 : 0;
    settings_.clockAlign2 = swapped_->isChecked() ? 1 : 0;
    return true;
}
