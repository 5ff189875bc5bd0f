// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgSetColor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/QtConvert.h"
#include "dialogs/CEdtColor.h"

CDlgSetColor::CDlgSetColor(const std::wstring& name1, ColorRef color1, const std::wstring& name2,
                           ColorRef color2, QWidget* parent)
    : QDialog(parent),
      firstRadio_(new QRadioButton(this)),
      secondRadio_(new QRadioButton(this)),
      firstName_(new QLineEdit(ToQString(name1), this)),
      secondName_(new QLineEdit(ToQString(name2), this)),
      firstColor_(new CEdtColor(this)),
      secondColor_(new CEdtColor(this)),
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
    firstColor_->SetColor(color1);
    secondColor_->SetColor(color2);
    (InitialColorChoice(name2, color2) == 1 ? secondRadio_ : firstRadio_)->setChecked(true);
    if (name2.empty()) {
        for (QWidget* w : {static_cast<QWidget*>(secondRadio_), static_cast<QWidget*>(secondName_),
                           static_cast<QWidget*>(secondColor_)}) {
            w->setEnabled(false);
        }
    }

    auto* grid = new QGridLayout;
    grid->addWidget(firstRadio_, 0, 0);
    grid->addWidget(firstName_, 0, 1);
    grid->addWidget(firstColor_, 0, 2);
    grid->addWidget(secondRadio_, 1, 0);
    grid->addWidget(secondName_, 1, 1);
    grid->addWidget(secondColor_, 1, 2);
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
    firstColor_->ParseText();
    secondColor_->ParseText();
    result_.choice = firstRadio_->isChecked() ? 0 : 1;
    result_.deleteRequest = deleteRequest;
    result_.color1 = firstColor_->Color();
    result_.color2 = secondColor_->Color();
    accept();
}
