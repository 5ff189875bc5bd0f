// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The application owns the translators, so that none outlives it.
void Replace(QTranslator*& installed, const QString& file, const QString& directory) {
    if (installed != nullptr) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (file.isEmpty()) {
        return;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    // A missing file (Qt's translations are a package of their own) leaves the texts as they are.
    if (!translator->load(file, directory)) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
}

}  // namespace

InterfaceLanguage ChooseInterfaceLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Japanese) {
            return InterfaceLanguage::Japanese;
        }
        if (language == QLocale::English) {
            return InterfaceLanguage::English;
        }
    }
    return InterfaceLanguage::Japanese;
}

void InstallTranslations(InterfaceLanguage language) {
    static QTranslator* window = nullptr;
    static QTranslator* qt = nullptr;
    // Qt's standard dialogs and buttons speak English without a translation.
    const bool english = language == InterfaceLanguage::English;
    Replace(window, english ? QStringLiteral("kovariswin_en") : QString(),
            QStringLiteral(":/i18n"));
    Replace(qt, english ? QString() : QStringLiteral("qtbase_ja"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
