// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CEdtSpin;
class Messenger;

// Asks for the walking time to the station of the line named `line`, in minutes. OK keeps the
// dialog open, naming the range, while the field holds no minutes in it.
class WalkTimeDialog : public QDialog {
    Q_OBJECT

public:
    WalkTimeDialog(int minutes, const QString& line, Messenger& messenger,
                   QWidget* parent = nullptr);

    int Minutes() const { return minutes_; }
    void accept() override;

private:
    Messenger& messenger_;
    CEdtSpin* field_;
    int minutes_;
};
