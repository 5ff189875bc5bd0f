// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/UserConfigSetup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "files/UserFolders.h"
#include "text/Messenger.h"

namespace {

namespace fs = std::filesystem;

class RecordingMessenger : public Messenger {
public:
    void Show(const std::wstring&, const std::wstring& text) override { texts.push_back(text); }
    std::vector<std::wstring> texts;
};

struct FoldersCase {
    const char* name;
    std::map<std::string, std::string> environment;
    std::optional<UserFolders> expected;
    std::optional<fs::path> state;
};

TEST(UserConfigSetupTest, FoldersFollowTheXdgRules) {
    const std::vector<FoldersCase> cases = {
        {"defaults under HOME",
         {{"HOME", "/home/u"}},
         UserFolders{"/home/u/.config/kovariswin", "/home/u/.local/share/kovariswin/data"},
         "/home/u/.local/state/kovariswin"},
        {"XDG folders",
         {{"HOME", "/home/u"},
          {"XDG_CONFIG_HOME", "/c"},
          {"XDG_DATA_HOME", "/d"},
          {"XDG_STATE_HOME", "/s"}},
         UserFolders{"/c/kovariswin", "/d/kovariswin/data"},
         "/s/kovariswin"},
        {"relative or empty XDG values are ignored",
         {{"HOME", "/home/u"},
          {"XDG_CONFIG_HOME", "rel"},
          {"XDG_DATA_HOME", ""},
          {"XDG_STATE_HOME", "s"}},
         UserFolders{"/home/u/.config/kovariswin", "/home/u/.local/share/kovariswin/data"},
         "/home/u/.local/state/kovariswin"},
        {"no HOME", {{"XDG_CONFIG_HOME", "/c"}}, std::nullopt, std::nullopt},
        {"relative HOME", {{"HOME", "u"}}, std::nullopt, std::nullopt},
    };
    for (const FoldersCase& c : cases) {
        const EnvironmentLookup environment = [&](const char* name) {
            const auto it = c.environment.find(name);
            return it == c.environment.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(FindStateFolder(environment), c.state) << c.name;
        const std::optional<UserFolders> found = FindUserFolders(environment);
        ASSERT_EQ(found.has_value(), c.expected.has_value()) << c.name;
        if (found) {
            EXPECT_EQ(found->config, c.expected->config) << c.name;
            EXPECT_EQ(found->data, c.expected->data) << c.name;
        }
    }
}

// A user's folders and an installed demo data root with read-only files, as a package has them.
class FirstStart : public ::testing::Test {
protected:
    FirstStart() {
        WriteBytes(Demo(L"vekt.cfg"), "A>up.TBL up\r\n");
        WriteBytes(Demo(L"line/up.TBL"), ";Up\r\n");
        for (const auto& entry : fs::recursive_directory_iterator(temp.path() / "demo")) {
            if (entry.is_regular_file()) {
                fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read);
            }
        }
    }
    std::wstring Demo(const std::wstring& name) const { return temp.File(L"demo/" + name); }
    UserFolders Folders(const std::wstring& dataFolder = L"データ/kovariswin/data") const {
        return {temp.path() / "config/kovariswin",
                fs::path(wtext::WideToUtf8(temp.File(dataFolder)))};
    }
    bool Prepare(const UserFolders& folders) {
        return UserConfigSetup(folders, temp.path() / "demo").Prepare(messenger);
    }
    static std::wstring Ini(const UserFolders& folders) {
        return wtext::Utf8ToWide((folders.config / "Kovaris.ini").string());
    }

    TempDir temp;
    RecordingMessenger messenger;
};

TEST_F(FirstStart, WritesShiftJisSettingsNamingAWritableCopyOfTheDemo) {
    const UserFolders folders = Folders();
    ASSERT_TRUE(Prepare(folders));
    EXPECT_TRUE(messenger.texts.empty());

    const std::string ini = ReadBytes(Ini(folders));
    const std::string dataLine = ToSJis(L"DataPath=" + temp.File(L"データ/kovariswin/data/"));
    EXPECT_EQ(ini.substr(0, dataLine.size() + 2), dataLine + "\r\n");
    EXPECT_NE(ini.find("\r\nCfgRead=1\r\n"), std::string::npos);

    const fs::path copied = folders.data / "line/up.TBL";
    EXPECT_EQ(ReadBytes(wtext::Utf8ToWide(copied.string())), ";Up\r\n");
    EXPECT_NE(fs::status(copied).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_FALSE(fs::exists(fs::path(folders.data) += ".partial"));
}

TEST_F(FirstStart, LaterStartsAndAnEarlierCopyOfTheDataAreLeftAlone) {
    const UserFolders folders = Folders();
    WriteBytes(wtext::Utf8ToWide((folders.data / "color.ini").string()), "edited=1,2,3\r\n");
    ASSERT_TRUE(Prepare(folders));
    EXPECT_FALSE(fs::exists(folders.data / "vekt.cfg"));  // the user's data was not replaced

    WriteBytes(Ini(folders), "DataPath=/elsewhere/\r\n");
    fs::remove_all(folders.data);
    ASSERT_TRUE(Prepare(folders));
    EXPECT_EQ(ReadBytes(Ini(folders)), "DataPath=/elsewhere/\r\n");
    EXPECT_FALSE(fs::exists(folders.data));
}

TEST_F(FirstStart, RefusesWhatCannotBeWrittenRightAndWritesNothing) {
    struct Case {
        const char* name;
        std::wstring dataFolder;
        bool removeDemo;
    };
    const std::vector<Case> cases = {
        {"a character Shift-JIS lacks", L"caf\u00e9/data", false},
        {"a character outside the BMP", L"\U0001F683/data", false},
        {"a backslash, read back as a separator", L"a\\b/data", false},
        {"no installed demo data", L"data", true},
    };
    for (const Case& c : cases) {
        if (c.removeDemo) {
            fs::remove_all(temp.path() / "demo");
        }
        messenger.texts.clear();
        const UserFolders folders = Folders(c.dataFolder);
        EXPECT_FALSE(Prepare(folders)) << c.name;
        ASSERT_EQ(messenger.texts.size(), 1U) << c.name;
        EXPECT_FALSE(fs::exists(folders.config / "Kovaris.ini")) << c.name;
        EXPECT_FALSE(fs::exists(folders.data)) << c.name;
    }
}

}  // namespace
