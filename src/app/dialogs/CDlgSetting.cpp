// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgSetting.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <string>

#include "dialogs/CDlgTabBasic.h"
#include "dialogs/CDlgTabClock.h"
#include "dialogs/CDlgTabFont.h"
#include "dialogs/CDlgTabMov1.h"
#include "dialogs/CDlgTabSKey.h"
#include "settings/SettingsMessages.h"
#include "text/Messenger.h"
#include "timetable/Clock.h"

CDlgSetting::CDlgSetting(AppSettings& settings, const Clock& clock, Messenger& messenger,
                         QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      messenger_(messenger),
      tabs_(new QTabWidget(this)),
      confirm_(new QPushButton(tr("設定", "confirm button"), this)),
      cancel_(new QPushButton(tr("キャンセル"), this)) {
    setWindowTitle(tr("設定", "window title"));
    settings_.LoadTdSettings();
    opened_ = settings_;
    AddPages(clock);

    confirm_->setDefault(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(confirm_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);

    tabs_->tabBar()->installEventFilter(this);
    tabs_->installEventFilter(this);
    connect(tabs_, &QTabWidget::currentChanged, this, &CDlgSetting::OnTabChanged);
    connect(confirm_, &QPushButton::clicked, this, &CDlgSetting::Confirm);
    connect(cancel_, &QPushButton::clicked, this, &CDlgSetting::reject);
}

void CDlgSetting::AddPages(const Clock& clock) {
    const MomentFields now = clock.Now().Fields();
    pages_ = {
        new CDlgTabBasic(settings_, messenger_), new CDlgTabClock(settings_, messenger_, now),
        new CDlgTabFont(settings_, messenger_),  new CDlgTabMov1(settings_, messenger_),
        new CDlgTabSKey(settings_, messenger_),
    };
    const QString captions[] = {
        tr("基本"), tr("時計"), tr("フォント"), tr("動作"), tr("Ｋey"),
    };
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        tabs_->addTab(pages_[i], captions[i]);
        pages_[i]->LoadFromSettings();
    }
    tabs_->setCurrentIndex(0);
}

void CDlgSetting::OnTabChanged(int index) {
    if (index >= 0) {
        currentPage_ = index;
    }
}

bool CDlgSetting::StoreCurrentPage() {
    return pages_[static_cast<std::size_t>(currentPage_)]->StoreToSettings();
}

// The tab widget reports a change of page only once the page has been hidden, which already
// makes its edits tidy up what the user typed. So every input that changes pages is stopped on
// its way in until the page that is left has been stored.
bool CDlgSetting::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_->tabBar() && WouldLeaveThroughTabBar(*event)) {
        return !StoreCurrentPage();
    }
    if (watched == tabs_ && event->type() == QEvent::KeyPress &&
        IsPageSwitchKey(static_cast<const QKeyEvent&>(*event))) {
        return !StoreCurrentPage();
    }
    if (watched == tabs_->tabBar() && event->type() == QEvent::KeyPress) {
        // Any key but left and right sends the user into the page, where it is meant to act.
        pages_[static_cast<std::size_t>(currentPage_)]->FocusPage();
        const int key = static_cast<const QKeyEvent&>(*event).key();
        // Tab would otherwise move on from the control that has just been given the focus.
        return key == Qt::Key_Tab || key == Qt::Key_Backtab;
    }
    return QDialog::eventFilter(watched, event);
}

bool CDlgSetting::WouldLeaveThroughTabBar(const QEvent& event) const {
    const QTabBar& bar = *tabs_->tabBar();
    switch (event.type()) {
        case QEvent::MouseButtonPress: {
            const auto& press = static_cast<const QMouseEvent&>(event);
            const int tab = bar.tabAt(press.position().toPoint());
            return press.button() == Qt::LeftButton && tab >= 0 && tab != bar.currentIndex();
        }
        case QEvent::KeyPress: {
            const int key = static_cast<const QKeyEvent&>(event).key();
            return key == Qt::Key_Left || key == Qt::Key_Right;
        }
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

// The tab widget's own keys for the next and the previous page.
bool CDlgSetting::IsPageSwitchKey(const QKeyEvent& key) {
    if (!(key.modifiers() & Qt::ControlModifier)) {
        return false;
    }
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

void CDlgSetting::Confirm() {
    if (!StoreCurrentPage()) {
        return;
    }
    std::wstring failedKey;
    saved_ = settings_.Save(&failedKey);
    if (saved_) {
        messenger_.Show(L"KovarisWM", L"設定を保存しました");
    } else {
        messenger_.Show(std::wstring(kSettingsSaveFailedTitle),
                        SettingsSaveFailedText(settings_, failedKey));
    }
    // Closed as confirmed either way: the window restarts with the values in memory.
    accept();
}

// Pages store their values as they are left and keys as they are pressed, so the file alone
// cannot say what was there before: it need not list every key.
void CDlgSetting::reject() {
    settings_ = opened_;
    settings_.CheckDataPath(&messenger_);
    QDialog::reject();
}
