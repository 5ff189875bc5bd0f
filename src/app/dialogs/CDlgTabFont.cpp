// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgTabFont.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "controls/QtConvert.h"
#include "dialogs/CEdtSpin.h"
#include "settings/AppSettings.h"

CDlgTabFont::CDlgTabFont(AppSettings& settings, Messenger& messenger, QWidget* parent)
    : CDlgTab(settings, messenger, parent) {
    const std::array<QString, kFontCount> labels = {
        tr("日付："), tr("時刻:"), tr("駅表示:"), tr("時刻表："), tr("到着駅："),
    };
    auto* layout = new QGridLayout(this);
    // The label names the sizes that suit the window; sizes up to kMaxSize are accepted.
    layout->addWidget(new QLabel(QStringLiteral("(80-320)"), this), 0, 2);
    for (int i = 0; i < kFontCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        faces_[index] = new QLineEdit(this);
        sizes_[index] = new CEdtSpin(kMinSize, kMaxSize, true, this);
        auto* label = new QLabel(labels[index], this);
        label->setBuddy(faces_[index]);
        layout->addWidget(label, i + 1, 0);
        layout->addWidget(faces_[index], i + 1, 1);
        layout->addWidget(sizes_[index], i + 1, 2);
    }
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(kFontCount + 1, 1);
}

std::array<CDlgTabFont::FontFields, CDlgTabFont::kFontCount> CDlgTabFont::Fields() const {
    AppSettings& s = settings_;
    return {{
        {&s.fntDate, &s.dlgFontSize},
        {&s.fntClock, &s.clockFontSize},
        {&s.fntStation, &s.stationFontSize},
        {&s.fntTime, &s.timeLstFontSize},
        {&s.fntTrns, &s.trnsLstFontSize},
    }};
}

void CDlgTabFont::LoadFromSettings() {
    const auto fields = Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        faces_[i]->setText(ToQString(*fields[i].face));
        sizes_[i]->setValue(*fields[i].size);
    }
}

bool CDlgTabFont::StoreToSettings() {
    // All sizes are checked, in order, before anything is stored.
    std::array<int, kFontCount> sizes{};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (!ReadInt(*sizes_[i], kMinSize, kMaxSize, sizes[i])) {
            return false;
        }
    }
    const auto fields = Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        *fields[i].face = ToWString(faces_[i]->text());
        *fields[i].size = sizes[i];
    }
    return true;
}
