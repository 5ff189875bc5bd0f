// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/WalkTimeDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

#include "dialogs/CEdtSpin.h"
#include "dialogs/SpinFieldCheck.h"
#include "settings/WalkTimes.h"

WalkTimeDialog::WalkTimeDialog(int minutes, const QString& line, Messenger& messenger,
                               QWidget* parent)
    : QDialog(parent),
      messenger_(messenger),
      field_(new CEdtSpin(0, WalkTimes::kMaxMinutes, false, this)),
      minutes_(minutes) {
    setWindowTitle(tr("徒歩時間"));
    field_->setValue(minutes);
    auto* layout = new QFormLayout(this);
    layout->addRow(new QLabel(line, this));
    auto* caption = new QLabel(tr("駅までの徒歩時間(分)(&M):"), this);
    caption->setBuddy(field_);
    layout->addRow(caption, field_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &WalkTimeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &WalkTimeDialog::reject);
}

void WalkTimeDialog::accept() {
    if (ReadSpinField(*field_, 0, WalkTimes::kMaxMinutes, messenger_, minutes_)) {
        QDialog::accept();
    }
}
