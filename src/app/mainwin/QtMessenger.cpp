// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/QtMessenger.h"

#include <QMessageBox>
#include <QTimer>

#include "i18n/CoreText.h"

void QtMessenger::Show(const std::wstring& title, const std::wstring& text) {
    if (deferrals_ > 0) {
        waiting_.emplace_back(title, text);
        return;
    }
    ShowNow(title, text);
}

void QtMessenger::ShowNow(const std::wstring& title, const std::wstring& text) {
    // Titles end in "(エラー)" or "(警告)", or in neither for a plain report; the icon says
    // the same.
    QMessageBox::Icon icon = QMessageBox::Information;
    if (title.find(L"(エラー)") != std::wstring::npos) {
        icon = QMessageBox::Critical;
    } else if (title.find(L"(警告)") != std::wstring::npos) {
        icon = QMessageBox::Warning;
    }
    QMessageBox box(icon, TranslateCoreText(title), TranslateCoreText(text), QMessageBox::Ok,
                    parent_);
    // A path or a command in the text is there to be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void QtMessenger::ShowWaiting() {
    while (!waiting_.empty() && deferrals_ == 0) {
        const auto [title, text] = waiting_.front();
        waiting_.erase(waiting_.begin());
        ShowNow(title, text);
    }
}

QtMessenger::Deferral::Deferral(QtMessenger& messenger) : messenger_(messenger) {
    ++messenger_.deferrals_;
}

QtMessenger::Deferral::~Deferral() {
    if (--messenger_.deferrals_ == 0 && !messenger_.waiting_.empty()) {
        QTimer::singleShot(0, &messenger_.lifetime_, [m = &messenger_] { m->ShowWaiting(); });
    }
}
