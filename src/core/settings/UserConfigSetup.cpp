// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/UserConfigSetup.h"

#include <string>
#include <system_error>
#include <utility>

#include "settings/AppSettings.h"
#include "text/Messenger.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"

namespace fs = std::filesystem;

namespace {

constexpr std::wstring_view kTitle = L"KovarisWin(エラー)";

std::wstring Wide(const fs::path& path) {
    return wtext::Utf8ToWide(path.string());
}

void Tell(Messenger& messenger, const std::wstring& text) {
    messenger.Show(std::wstring(kTitle), text);
}

void Tell(Messenger& messenger, const std::wstring& text, const std::error_code& ec) {
    Tell(messenger, text + L"\n" + wtext::Utf8ToWide(ec.message()));
}

// The settings file is Shift-JIS and reads "\" as a separator, so a path with a character the
// code page lacks, or with a "\" in a folder name, would come back as another folder.
bool SettingsCanHold(const std::wstring& path) {
    return path.find(L'\\') == std::wstring::npos && ToWide(ToSJis(path)) == path;
}

// Installed files may be read-only, but the program rewrites the colour list in its data root.
void MakeOwnerWritable(const fs::path& root, std::error_code& ec) {
    fs::permissions(root, fs::perms::owner_write, fs::perm_options::add, ec);
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ec);
    }
}

}  // namespace

UserConfigSetup::UserConfigSetup(UserFolders folders, fs::path installedDemo)
    : folders_(std::move(folders)), installedDemo_(std::move(installedDemo)) {}

bool UserConfigSetup::Prepare(Messenger& messenger) const {
    std::error_code ec;
    if (fs::exists(folders_.config / "Kovaris.ini", ec)) {
        return true;
    }
    const std::wstring dataPath = Wide(folders_.data) + L"/";
    if (!SettingsCanHold(dataPath)) {
        Tell(messenger, L"データフォルダのパス " + dataPath +
                            L" には Kovaris.ini (Shift-JIS) に書けない文字があります。"
                            L"環境変数 XDG_DATA_HOME で別のフォルダを指定してください。");
        return false;
    }
    fs::create_directories(folders_.config, ec);
    if (ec) {
        Tell(messenger, L"設定フォルダ " + Wide(folders_.config) + L" を作れません。", ec);
        return false;
    }
    return CopyDemoData(messenger) && WriteSettings(messenger);
}

bool UserConfigSetup::CopyDemoData(Messenger& messenger) const {
    std::error_code ec;
    if (fs::exists(folders_.data, ec)) {
        return true;  // the user's copy from an earlier start, perhaps edited since
    }
    if (!fs::is_directory(installedDemo_, ec)) {
        Tell(messenger, L"インストールされたデモデータが見つかりません: " + Wide(installedDemo_));
        return false;
    }
    // Copied beside its place and renamed there, so an interrupted copy never passes for the data.
    fs::path partial = folders_.data;
    partial += ".partial";
    std::error_code ignored;
    fs::remove_all(partial, ignored);
    fs::create_directories(partial.parent_path(), ec);
    if (!ec) {
        fs::copy(installedDemo_, partial, fs::copy_options::recursive, ec);
    }
    if (!ec) {
        MakeOwnerWritable(partial, ec);
    }
    if (!ec) {
        fs::rename(partial, folders_.data, ec);
    }
    if (ec) {
        fs::remove_all(partial, ignored);
        Tell(messenger, L"デモデータを " + Wide(folders_.data) + L" にコピーできません。", ec);
        return false;
    }
    return true;
}

bool UserConfigSetup::WriteSettings(Messenger& messenger) const {
    AppSettings settings;
    settings.filePath = Wide(folders_.config / "Kovaris.ini");
    settings.dataPath = Wide(folders_.data) + L"/";
    // The demo data root comes with a route configuration, which gives the catalogue its
    // captions and opens the morning's and the afternoon's timetable by itself.
    settings.cfgRead = 1;
    if (!settings.Save()) {
        Tell(messenger, L"設定ファイル " + settings.filePath + L" を書けません。");
        return false;
    }
    return true;
}
