// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QIcon;

// "バージョン情報": the program's icon, name, version and licence, and an OK button.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(const QIcon& icon, QWidget* parent = nullptr);
};
