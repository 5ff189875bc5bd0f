// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

#include "settings/ColorChoice.h"

class CEdtColor;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Asks for the colour of one of a departure's first two marks, or for its colour to be removed.
// Read result() once the dialog has been accepted.
class CDlgSetColor : public QDialog {
    Q_OBJECT

public:
    // An empty second name leaves only the first mark to choose.
    CDlgSetColor(const std::wstring& name1, ColorRef color1, const std::wstring& name2,
                 ColorRef color2, QWidget* parent = nullptr);

    const ColorDialogResult& result() const { return result_; }

    QRadioButton& firstRadio() const { return *firstRadio_; }
    QRadioButton& secondRadio() const { return *secondRadio_; }
    QLineEdit& firstName() const { return *firstName_; }
    QLineEdit& secondName() const { return *secondName_; }
    CEdtColor& firstColor() const { return *firstColor_; }
    CEdtColor& secondColor() const { return *secondColor_; }
    QPushButton& okButton() const { return *ok_; }
    QPushButton& deleteButton() const { return *delete_; }

private:
    void Finish(bool deleteRequest);

    QRadioButton* firstRadio_;
    QRadioButton* secondRadio_;
    QLineEdit* firstName_;
    QLineEdit* secondName_;
    CEdtColor* firstColor_;
    CEdtColor* secondColor_;
    QPushButton* ok_;
    QPushButton* delete_;
    QPushButton* close_;
    ColorDialogResult result_;
};
