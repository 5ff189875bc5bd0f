// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/UserConfigStart.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "KovarisVersion.h"
#include "files/UserFolders.h"
#include "settings/UserConfigSetup.h"
#include "text/Messenger.h"
#include "text/WideText.h"

namespace fs = std::filesystem;

bool EnterUserConfigFolder(Messenger& messenger) {
    const std::optional<UserFolders> folders =
        FindUserFolders([](const char* name) { return std::getenv(name); });
    if (!folders) {
        messenger.Show(L"KovarisWin(エラー)",
                       L"HOME が設定されていないため、設定フォルダがわかりません。");
        return false;
    }
    // Found beside the program, so an unpacked package works wherever it lies.
    const fs::path programDir(
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    const fs::path demo = (programDir / kDemoDataFromBinDir).lexically_normal();
    if (!UserConfigSetup(*folders, demo).Prepare(messenger)) {
        return false;
    }
    std::error_code ec;
    fs::current_path(folders->config, ec);
    if (ec) {
        messenger.Show(L"KovarisWin(エラー)",
                       L"設定フォルダ " + wtext::Utf8ToWide(folders->config.string()) +
                           L" に移れません。\n" + wtext::Utf8ToWide(ec.message()));
        return false;
    }
    return true;
}
