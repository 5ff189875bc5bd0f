// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QGridLayout;

class AppSettings;
class Messenger;
class QSpinBox;

// One page of the settings dialog: it copies the settings into its controls when the dialog
// opens, and back when the user leaves the page or confirms the dialog.
class CDlgTab : public QWidget {
    Q_OBJECT

public:
    CDlgTab(AppSettings& settings, Messenger& messenger, QWidget* parent = nullptr);

    virtual void LoadFromSettings() {}
    // False when a control holds a value the settings cannot take; then nothing was stored and
    // the user has been told why.
    virtual bool StoreToSettings() { return true; }

    // Gives the focus to the control that last had it on this page, or to its first control.
    void FocusPage();

protected:
    // The integer typed into `edit` when it lies in [min, max]; otherwise tells the user the
    // range, puts the focus on the edit and returns false.
    bool ReadInt(QSpinBox& edit, int min, int max, int& value);
    // A label in the first column of `layout` and its field in the second.
    void AddRow(QGridLayout& layout, int row, const QString& label, QWidget* field);

    AppSettings& settings_;
    Messenger& messenger_;
};
