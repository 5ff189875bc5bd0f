// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgTab.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "dialogs/SpinFieldCheck.h"

CDlgTab::CDlgTab(AppSettings& settings, Messenger& messenger, QWidget* parent)
    : QWidget(parent), settings_(settings), messenger_(messenger) {}

void CDlgTab::FocusPage() {
    if (QWidget* last = focusWidget(); last != nullptr && last->isEnabled()) {
        last->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) != 0) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool CDlgTab::ReadInt(QSpinBox& edit, int min, int max, int& value) {
    return ReadSpinField(edit, min, max, messenger_, value);
}

void CDlgTab::AddRow(QGridLayout& layout, int row, const QString& label, QWidget* field) {
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field);
    layout.addWidget(caption, row, 0);
    layout.addWidget(field, row, 1);
}
