#pragma once

#include "settings/CDlgTab.h"

class QCheckBox;
class QLineEdit;

// The data path and the display switches.
class CDlgTabBasic : public CDlgTab {
    Q_OBJECT

public:
    CDlgTabBasic(AppSettings& settings, Messenger& messenger, QWidget* parent = nullptr);

    void LoadFromSettings() override;
    bool StoreToSettings() override;

    QLineEdit& dataPathEdit() const { return *dataPath_; }

private:
    QLineEdit* dataPath_;
    QCheckBox* showCombo_;
    QCheckBox* showLast_;
    QCheckBox* shortMark_;
    QCheckBox* shortTimeLeft_;
    QCheckBox* showPrevious_;
    QCheckBox* portraitOnly_;  // kept in the file, never shown
};
