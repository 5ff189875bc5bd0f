// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <map>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar. Every item carries its command id; choosing one emits `command`.
// The "時刻表" menu ends in the catalogue items of the level shown and the "乗り換え" submenu
// in the transfer items of the selected departure; both sets are rebuilt at run time.
class MainMenu : public QObject {
    Q_OBJECT

public:
    explicit MainMenu(QMenuBar& bar);

    void SetChecked(int id, bool checked);
    bool IsChecked(int id) const;
    // The item with command `id`, or nullptr.
    QAction* Item(int id) const;

    // Removes every catalogue item, then appends them again one by one.
    void ClearTableItems();
    void AddTableItem(int id, const QString& caption);
    // Removes every transfer item (the first call also the placeholder), then appends again.
    void ClearTransferItems();
    void AddTransferItem(int id, const QString& text);

Q_SIGNALS:
    void command(int id);

private:
    QAction* Add(QMenu& menu, int id, const QString& text, bool checkable = false);
    void RemoveRange(int first, int last);
    void BuildOperationMenu(QMenuBar& bar);

    QMenu* tableMenu_ = nullptr;
    QMenu* transferMenu_ = nullptr;
    std::map<int, QAction*> items_;
};
