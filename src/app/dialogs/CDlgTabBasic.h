// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <utility>

#include "dialogs/CDlgTab.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// The data path and the display switches.
class CDlgTabBasic : public CDlgTab {
    Q_OBJECT

public:
    // Asks for a folder, starting at `start`; an empty answer when the user chose none.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;

    CDlgTabBasic(AppSettings& settings, Messenger& messenger, QWidget* parent = nullptr);

    void LoadFromSettings() override;
    bool StoreToSettings() override;

    QLineEdit& dataPathEdit() const { return *dataPath_; }
    QPushButton& browseButton() const { return *browse_; }
    // The folder dialog by default.
    void SetFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }

private:
    void ChooseDataPath();

    QLineEdit* dataPath_;
    QPushButton* browse_;
    FolderChooser chooseFolder_;
    QCheckBox* showCombo_;
    QCheckBox* showLast_;
    QCheckBox* shortMark_;
    QCheckBox* shortTimeLeft_;
    QCheckBox* showPrevious_;
    QCheckBox* portraitOnly_;  // kept in the file, never shown
};
