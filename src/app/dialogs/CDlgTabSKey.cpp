// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgTabSKey.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "controls/FontSetup.h"
#include "controls/QtConvert.h"
#include "controls/VirtualKey.h"
#include "i18n/CoreText.h"
#include "settings/AppSettings.h"
#include "settings/ShortcutTable.h"

namespace {

// The names are the core's; the row is padded as it pads them.
QString RowText(int keyCode, int index) {
    return ToQString(
        ShortcutRowText(keyCode, ToWString(TranslateCoreText(ShortcutDisplayName(index)))));
}

bool IsArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

}  // namespace

CDlgTabSKey::CDlgTabSKey(AppSettings& settings, Messenger& messenger, QWidget* parent)
    : CDlgTab(settings, messenger, parent),
      name_(new QLineEdit(this)),
      code_(new QLineEdit(this)),
      clear_(new QPushButton(tr("クリア"), this)),
      list_(new QListWidget(this)) {
    name_->setReadOnly(true);
    code_->setReadOnly(true);
    // The rows are padded to columns, which only a fixed-pitch face with Japanese glyphs keeps
    // in line.
    QFont fixed(ToQString(kListFontFace));
    fixed.setPointSizeF(font().pointSizeF());
    list_->setFont(fixed);

    auto* layout = new QGridLayout(this);
    layout->addWidget(name_, 0, 0);
    layout->addWidget(code_, 0, 1);
    layout->addWidget(clear_, 0, 2);
    layout->addWidget(list_, 1, 0, 1, 3);
    layout->setColumnStretch(0, 1);

    for (QWidget* control : {static_cast<QWidget*>(name_), static_cast<QWidget*>(code_),
                             static_cast<QWidget*>(clear_), static_cast<QWidget*>(list_)}) {
        control->installEventFilter(this);
    }
    connect(clear_, &QPushButton::clicked, this, [this] { Bind(0); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowDetail(); });
}

void CDlgTabSKey::LoadFromSettings() {
    list_->clear();
    for (int i = 0; i < kShortcutCount; ++i) {
        const int code = settings_.shortcutKeys[static_cast<std::size_t>(i)];
        list_->addItem(RowText(code, i));
    }
    list_->setCurrentRow(0);
    ShowDetail();
}

bool CDlgTabSKey::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) {
        return CDlgTab::eventFilter(watched, event);
    }
    const auto& key = static_cast<QKeyEvent&>(*event);
    if (IsArrow(key.key())) {
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        // Claimed, so that no shortcut of a window takes the key before the page sees it.
        event->accept();
        return true;
    }
    // A key without a code of its own is swallowed rather than unbinding the action.
    if (const int code = VirtualKeyCode(key); code != 0) {
        Bind(code);
    }
    return true;
}

void CDlgTabSKey::Bind(int keyCode) {
    // A current row is not always a selected one (a Ctrl+click deselects it).
    const int row = list_->currentRow();
    const QListWidgetItem* item = list_->item(row);
    if (item == nullptr || !item->isSelected() || row >= kShortcutCount) {
        list_->clearSelection();
        return;
    }
    settings_.shortcutKeys[static_cast<std::size_t>(row)] = keyCode;
    list_->item(row)->setText(RowText(keyCode, row));
    ShowDetail();
}

void CDlgTabSKey::ShowDetail() {
    const int row = list_->currentRow();
    if (row < 0 || row >= kShortcutCount) {
        return;
    }
    name_->setText(TranslateCoreText(ShortcutDisplayName(row)));
    code_->setText(
        ToQString(ShortcutCodeText(settings_.shortcutKeys[static_cast<std::size_t>(row)])));
}
