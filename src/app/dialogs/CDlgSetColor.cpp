// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgSetColor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/QtConvert.h"
#include "dialogs/CEdtColor.h"

CDlgSetColor::CDlgSetColor(const std::wstring& name1, ColorRef colour1, const std::wstring& name2,
                           ColorRef colour2, QWidget* parent)
    : QDialog(parent),
      firstRadio_(new QRadioButton(this)),
      secondRadio_(new QRadioButton(this)),
      firstName_(new QLineEdit(ToQString(name1), this)),
      secondName_(new QLineEdit(ToQString(name2), this)),
      firstColour_(new CEdtColor(this)),
      secondColour_(new CEdtColor(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      delete_(new QPushButton(tr("設定削除"), this)),
      close_(new QPushButton(tr("閉じる"), this)) {
    setWindowTitle(tr("色設定"));
    for (QLineEdit* name : {firstName_, secondName_}) {
        name->setReadOnly(true);
        // A long name is known by its beginning; the edit would show its end.
        name->setCursorPosition(0);
        name->setToolTip(name->text());
    }
    firstColour_->SetColor(colour1);
    secondColour_->SetColor(colour2);
    (InitialColorChoice(name2, colour2) == 1 ? secondRadio_ : firstRadio_)->setChecked(true);
    if (name2.empty()) {
        for (QWidget* w : {static_cast<QWidget*>(secondRadio_), static_cast<QWidget*>(secondName_),
                           static_cast<QWidget*>(secondColour_)}) {
            w->setEnabled(false);
        }
    }

    auto* grid = new QGridLayout;
    grid->addWidget(firstRadio_, 0, 0);
    grid->addWidget(firstName_, 0, 1);
    grid->addWidget(firstColour_, 0, 2);
    grid->addWidget(secondRadio_, 1, 0);
    grid->addWidget(secondName_, 1, 1);
    grid->addWidget(secondColour_, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok_, delete_, close_}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { Finish(false); });
    connect(delete_, &QPushButton::clicked, this, [this] { Finish(true); });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgSetColor::Finish(bool deleteRequest) {
    // Digits typed last count even when the button was reached without leaving their edit.
    firstColour_->ParseText();
    secondColour_->ParseText();
    result_.choice = firstRadio_->isChecked() ? 0 : 1;
    result_.deleteRequest = deleteRequest;
    result_.colour1 = firstColour_->Color();
    result_.colour2 = secondColour_->Color();
    accept();
}
