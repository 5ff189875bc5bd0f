// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/AboutBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

#include "controls/FontSetup.h"

AboutBox::AboutBox(const QIcon& icon, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("バージョン情報 KovarisWin"));
    // A window of its own: it would not take the board's font.
    setFont(MakeSettingsFont(L"MS UI Gothic", 110));
    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("KovarisWin Version 1.19"), this);
    auto* licence =
        new QLabel(QStringLiteral("GPL-3.0-or-later に従って再配布・改変できます（無保証）"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, Qt::AlignTop);
    layout->addWidget(text, 0, 1, Qt::AlignTop);
    layout->addWidget(licence, 1, 1, Qt::AlignTop);
    layout->addWidget(buttons, 2, 0, 1, 2, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
