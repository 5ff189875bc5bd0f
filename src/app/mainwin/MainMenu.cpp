// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/MainMenu.h"

#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "catalogue/ArrivalRows.h"
#include "catalogue/CommandIds.h"
#include "catalogue/LevelView.h"

MainMenu::MainMenu(QMenuBar& bar) : QObject(&bar) {
    tableMenu_ = bar.addMenu(tr("時刻表(&T)"));
    transferMenu_ = tableMenu_->addMenu(tr("乗り換え(&C)"));
    Add(*transferMenu_, kTransferMenuFirstId, QStringLiteral("---"));
    Add(*transferMenu_, cmd::kTransferBack, tr("[＜]戻る(&B)"));
    Add(*transferMenu_, cmd::kTransferBackToFirst, tr("[<<]最初に戻る(&F)"));
    BuildOperationMenu(bar);
}

void MainMenu::BuildOperationMenu(QMenuBar& bar) {
    QMenu* operation = bar.addMenu(tr("操作(&O)"));
    QMenu* display = operation->addMenu(tr("表示(&V)"));
    Add(*display, cmd::kRealTimeMode, tr("リアルタイムモード(&R)"), true);
    display->addSeparator();
    Add(*display, cmd::kHourEarlier, tr("１時間前表示(&E)"));
    Add(*display, cmd::kHourLater, tr("１時間後表示(&L)"));
    Add(*display, cmd::kPreviousDeparture, tr("前の発車時刻表示(&P)"));

    QMenu* days = operation->addMenu(tr("曜日(&D)"));
    Add(*days, cmd::kDayAutomatic, tr("自動(&A)"), true);
    days->addSeparator();
    const std::vector<QString> weekdays = {tr("月曜(&M)"), tr("火曜(&T)"), tr("水曜(&W)"),
                                           tr("木曜(&H)"), tr("金曜(&F)"), tr("土曜(&S)")};
    for (int i = 0; i < static_cast<int>(weekdays.size()); ++i) {
        Add(*days, cmd::kDayAutomatic + 2 + i, weekdays[static_cast<std::size_t>(i)], true);
    }
    Add(*days, cmd::kDayAutomatic + 1, tr("日曜(&U)"), true);

    Add(*operation, cmd::kRemindBeforeDeparture, tr("発車前に知らせる(&N)"), true);

    Add(*operation, cmd::kWalkTime, tr("徒歩時間(&W)..."));
    Add(*operation, cmd::kSettings, tr("設定(&S)..."));
    Add(*operation, cmd::kColorSettings, tr("色設定(&C)..."));
    Add(*operation, cmd::kReadConfiguration, tr("CFG読込み(&G)"), true);
    Add(*operation, cmd::kAbout, tr("バージョン情報(&A)..."));
    Add(*operation, cmd::kExit, tr("終了(&X)"));
}

QAction* MainMenu::Add(QMenu& menu, int id, const QString& text, bool checkable) {
    QAction* item = menu.addAction(text);
    item->setData(id);
    item->setCheckable(checkable);
    // A check item shows the program's state: the command decides, not the click.
    connect(item, &QAction::triggered, this, [this, item, id] {
        if (item->isCheckable()) {
            item->setChecked(!item->isChecked());
        }
        Q_EMIT command(id);
    });
    items_[id] = item;
    return item;
}

void MainMenu::SetChecked(int id, bool checked) {
    if (QAction* item = Item(id)) {
        item->setChecked(checked);
    }
}

bool MainMenu::IsChecked(int id) const {
    const QAction* item = Item(id);
    return item != nullptr && item->isChecked();
}

QAction* MainMenu::Item(int id) const {
    const auto it = items_.find(id);
    return it == items_.end() ? nullptr : it->second;
}

void MainMenu::RemoveRange(int first, int last) {
    for (auto it = items_.lower_bound(first); it != items_.end() && it->first <= last;) {
        delete it->second;
        it = items_.erase(it);
    }
}

void MainMenu::ClearTableItems() {
    RemoveRange(kTableMenuParentId, kTableMenuFirstEntryId + kTableMenuMaxEntries - 1);
}

namespace {

// Captions come from the user's files; an "&" there is text, not a keyboard mnemonic.
QString Literal(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

void MainMenu::AddTableItem(int id, const QString& caption) {
    Add(*tableMenu_, id, Literal(caption));
}

void MainMenu::ClearTransferItems() {
    RemoveRange(kTransferMenuFirstId, kTransferMenuFirstId + kTransferMenuMaxRows - 1);
}

void MainMenu::AddTransferItem(int id, const QString& text) {
    Add(*transferMenu_, id, Literal(text));
}
