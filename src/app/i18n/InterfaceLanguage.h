// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The languages the window speaks. Japanese is its own: the texts in the code are Japanese and
// need no translation file; English comes from kovariswin_en.qm, built into the program.
enum class InterfaceLanguage { Japanese, English };

// The first of the user's languages, in their order of preference (QLocale::uiLanguages()), that
// the window speaks; Japanese when none is, as the program has always been.
InterfaceLanguage ChooseInterfaceLanguage(const QStringList& uiLanguages);

// Installs the window's translation for `language` and Qt's own for its standard dialogs and
// buttons, in place of those of an earlier call. Call once a QCoreApplication exists.
void InstallTranslations(InterfaceLanguage language);
