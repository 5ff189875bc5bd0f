// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CDlgTabBasic.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/QtConvert.h"
#include "settings/AppSettings.h"

namespace {

QString ChooseFolderInDialog(QWidget* parent, const QString& start) {
    QFileDialog::Options options = QFileDialog::ShowDirsOnly;
    // Without a desktop (the offscreen platform) no native dialog can come up.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        options |= QFileDialog::DontUseNativeDialog;
    }
    return QFileDialog::getExistingDirectory(
        parent, QCoreApplication::translate("CDlgTabBasic", "データパスの選択"), start, options);
}

}  // namespace

CDlgTabBasic::CDlgTabBasic(AppSettings& settings, Messenger& messenger, QWidget* parent)
    : CDlgTab(settings, messenger, parent),
      dataPath_(new QLineEdit(this)),
      browse_(new QPushButton(tr("参照..."), this)),
      chooseFolder_(&ChooseFolderInDialog),
      showCombo_(new QCheckBox(tr("ＴＢＬ選択コンボボックスの表示"), this)),
      showLast_(new QCheckBox(tr("起動時に最後に表示した時刻表を表示"), this)),
      shortMark_(new QCheckBox(tr("備考短縮表記"), this)),
      shortTimeLeft_(new QCheckBox(tr("残り時間短縮表記"), this)),
      showPrevious_(new QCheckBox(tr("一つ前の発車時刻表示"), this)),
      portraitOnly_(new QCheckBox(tr("縦画面固定"), this)) {
    auto* label = new QLabel(tr("データパス："), this);
    label->setBuddy(dataPath_);
    portraitOnly_->hide();
    browse_->setAutoDefault(false);  // Enter confirms the dialog, as on every page
    browse_->setToolTip(tr("データパスのフォルダを選びます"));
    connect(browse_, &QPushButton::clicked, this, &CDlgTabBasic::ChooseDataPath);

    auto* pathRow = new QHBoxLayout();
    pathRow->addWidget(dataPath_, 1);
    pathRow->addWidget(browse_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(pathRow);
    layout->addSpacing(6);
    for (QCheckBox* check : {showCombo_, showLast_, shortMark_, shortTimeLeft_, showPrevious_}) {
        layout->addWidget(check);
    }
    layout->addStretch();
}

void CDlgTabBasic::LoadFromSettings() {
    dataPath_->setText(ToQString(settings_.dataPath));
    showCombo_->setChecked(settings_.dspCmbTbl != 0);
    showLast_->setChecked(settings_.dspLstTbl != 0);
    shortMark_->setChecked(settings_.shortMark != 0);
    shortTimeLeft_->setChecked(settings_.shortTimeLeft != 0);
    showPrevious_->setChecked(settings_.prevDisp != 0);
    portraitOnly_->setChecked(settings_.portOnly != 0);
}

bool CDlgTabBasic::StoreToSettings() {
    // The path is kept as typed; reading the file again adds the closing separator.
    settings_.dataPath = ToWString(dataPath_->text());
    settings_.dspCmbTbl = showCombo_->isChecked() ? 1 : 0;
    settings_.dspLstTbl = showLast_->isChecked() ? 1 : 0;
    settings_.shortMark = shortMark_->isChecked() ? 1 : 0;
    settings_.shortTimeLeft = shortTimeLeft_->isChecked() ? 1 : 0;
    settings_.prevDisp = showPrevious_->isChecked() ? 1 : 0;
    settings_.portOnly = portraitOnly_->isChecked() ? 1 : 0;
    return true;
}

void CDlgTabBasic::ChooseDataPath() {
    const QString folder = chooseFolder_(this, dataPath_->text());
    if (folder.isEmpty()) {
        return;
    }
    // Ending in a separator, as the path reads back from the settings file.
    dataPath_->setText(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}
