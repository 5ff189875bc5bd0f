#include "mainwin/QtMessenger.h"

#include <QMessageBox>

#include "controls/QtConvert.h"

void QtMessenger::Show(const std::wstring& title, const std::wstring& text) {
    // Titles end in "(エラー)" or "(警告)"; the icon says the same.
    const bool error = title.find(L"エラー") != std::wstring::npos;
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Warning, ToQString(title),
                    ToQString(text), QMessageBox::Ok, parent_);
    box.exec();
}
