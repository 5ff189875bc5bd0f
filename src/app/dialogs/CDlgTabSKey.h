// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/CDlgTab.h"

class QLineEdit;
class QListWidget;
class QPushButton;

// The ten key bindings. Select an action and press a key: the key's code is stored at once.
// While this page holds the focus every key but the arrows is taken as a binding, Enter, Escape
// and Tab included.
class CDlgTabSKey : public CDlgTab {
    Q_OBJECT

public:
    CDlgTabSKey(AppSettings& settings, Messenger& messenger, QWidget* parent = nullptr);

    void LoadFromSettings() override;

    QListWidget& list() const { return *list_; }
    QLineEdit& nameEdit() const { return *name_; }
    QLineEdit& codeEdit() const { return *code_; }
    QPushButton& clearButton() const { return *clear_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Bind(int keyCode);
    void ShowDetail();

    QLineEdit* name_;
    QLineEdit* code_;
    QPushButton* clear_;
    QListWidget* list_;
};
