// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <vector>

#include "settings/AppSettings.h"

class CDlgTab;
class Clock;
class Messenger;
class QKeyEvent;
class QPushButton;
class QTabWidget;

// The settings dialog: five pages of settings in tabs. A page is stored when the user leaves it
// and refuses to be left while it holds a value out of range. "設定" stores the current page and
// saves the file (the caller then restarts its window); every other way out puts the settings
// back as they were when the dialog opened.
class CDlgSetting : public QDialog {
    Q_OBJECT

public:
    enum Page { Basic, ClockPage, Font, Behaviour, Keys };

    // The clock's formats are shown with the moment `clock` gives now. The settings and the
    // messenger outlive the dialog.
    CDlgSetting(AppSettings& settings, const Clock& clock, Messenger& messenger,
                QWidget* parent = nullptr);

    QTabWidget& tabs() const { return *tabs_; }
    CDlgTab& page(Page page) const { return *pages_[static_cast<std::size_t>(page)]; }
    QPushButton& confirmButton() const { return *confirm_; }
    QPushButton& cancelButton() const { return *cancel_; }
    // Whether "設定" wrote the file; when not, only memory holds the values confirmed.
    bool Saved() const { return saved_; }

    // Leaving the dialog any other way than by "設定" (Escape, closing) throws the changes away.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddPages(const Clock& clock);
    void OnTabChanged(int index);
    bool StoreCurrentPage();
    bool WouldLeaveThroughTabBar(const QEvent& event) const;
    static bool IsPageSwitchKey(const QKeyEvent& key);
    void Confirm();

    AppSettings& settings_;
    AppSettings opened_;
    Messenger& messenger_;
    QTabWidget* tabs_;
    QPushButton* confirm_;
    QPushButton* cancel_;
    std::vector<CDlgTab*> pages_;
    int currentPage_ = 0;
    bool saved_ = false;
};
