#include "settings/CDlgSetting.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/AppSettings.h"
#include "settings/CDlgTabBasic.h"
#include "settings/CDlgTabClock.h"
#include "settings/CDlgTabFont.h"
#include "settings/CDlgTabMov1.h"
#include "settings/CDlgTabSKey.h"
#include "text/Messenger.h"
#include "timetable/Clock.h"

CDlgSetting::CDlgSetting(AppSettings& settings, const Clock& clock, Messenger& messenger,
                         QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      messenger_(messenger),
      tabs_(new QTabWidget(this)),
      confirm_(new QPushButton(QStringLiteral("設定"), this)),
      cancel_(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setWindowTitle(QStringLiteral("設定"));
    settings_.LoadTdSettings();
    AddPages(clock);

    confirm_->setDefault(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(confirm_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);

    tabs_->tabBar()->installEventFilter(this);
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
        QStringLiteral("基本"), QStringLiteral("時計"), QStringLiteral("フォント"),
        QStringLiteral("動作"), QStringLiteral("Ｋey"),
    };
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        tabs_->addTab(pages_[i], captions[i]);
        pages_[i]->LoadFromSettings();
    }
    tabs_->setCurrentIndex(0);
}

// The tab widget has already switched when it reports the change, so the switch is undone
// before anything is painted, and done again only once the page that is left has been stored.
void CDlgSetting::OnTabChanged(int index) {
    if (index == currentPage_ || index < 0) {
        return;
    }
    const int target = index;
    SelectTabQuietly(currentPage_);
    if (!pages_[static_cast<std::size_t>(currentPage_)]->StoreToSettings()) {
        return;
    }
    SelectTabQuietly(target);
}

void CDlgSetting::SelectTabQuietly(int index) {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(index);
    currentPage_ = index;
}

// Left and right switch tabs while the tab bar has the focus; any other key sends the user into
// the page, where it is meant to act.
bool CDlgSetting::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_->tabBar() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right) {
            pages_[static_cast<std::size_t>(currentPage_)]->FocusPage();
            // Tab would otherwise move on from the control that has just been given the focus.
            return key == Qt::Key_Tab || key == Qt::Key_Backtab;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgSetting::Confirm() {
    if (!pages_[static_cast<std::size_t>(currentPage_)]->StoreToSettings()) {
        return;
    }
    if (settings_.Save()) {
        messenger_.Show(L"KovarisWM", L"設定を保存しました");
    } else {
        messenger_.Show(L"KovarisWM(エラー)", L"設定の保存に失敗しました");
    }
    // Closed as confirmed either way: the window restarts with the values in memory.
    accept();
}

void CDlgSetting::reject() {
    settings_.Load(&messenger_);
    QDialog::reject();
}
