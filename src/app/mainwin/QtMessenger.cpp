#include "mainwin/QtMessenger.h"

#include <QMessageBox>

#include "controls/QtConvert.h"

void QtMessenger::Show(const std::wstring& title, const std::wstring& text) {
    // Titles end in "(エラー)" or "(警告)", or in neither for a plain report; the icon says
    // the same.
    QMessageBox::Icon icon = QMessageBox::Information;
    if (title.find(L"(エラー)") != std::wstring::npos) {
        icon = QMessageBox::Critical;
    } else if (title.find(L"(警告)") != std::wstring::npos) {
        icon = QMessageBox::Warning;
    }
    QMessageBox box(icon, ToQString(title), ToQString(text), QMessageBox::Ok, parent_);
    box.exec();
}
