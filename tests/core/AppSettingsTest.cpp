// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TestFiles.h"
#include "text/Messenger.h"
#include "text/WideText.h"

namespace {

class RecordingMessenger : public Messenger {
public:
    void Show(const std::wstring& title, const std::wstring& text) override {
        messages.emplace_back(title, text);
    }
    std::vector<std::pair<std::wstring, std::wstring>> messages;
};

AppSettings SettingsAt(const TempDir& dir) {
    AppSettings settings;
    settings.filePath = dir.File(L"Kovaris.ini");
    return settings;
}

using Reader = std::function<std::wstring(const AppSettings&)>;

Reader Text(std::wstring AppSettings::*member) {
    return [member](const AppSettings& s) { return s.*member; };
}
Reader Number(int AppSettings::*member) {
    return [member](const AppSettings& s) { return std::to_wstring(s.*member); };
}
Reader Color(ColorRef AppSettings::*member) {
    return [member](const AppSettings& s) { return std::to_wstring(s.*member); };
}
Reader Shortcut(ShortcutAction action) {
    return [action](const AppSettings& s) {
        return std::to_wstring(s.shortcutKeys[static_cast<std::size_t>(action)]);
    };
}

struct LoadCase {
    const char* name;
    std::wstring file;
    Reader field;
    std::wstring expected;
};

TEST(AppSettingsTest, LoadReadsEachKindOfValue) {
    const std::wstring base = L"DataPath=/data/\n";
    const std::wstring longValue(100000, L'名');
    const std::vector<LoadCase> cases = {
        {"blanks around the path", L"DataPath= \t/srv/data  \n", Text(&AppSettings::dataPath),
         L"/srv/data/"},
        {"path ending in a separator", L"DataPath=/srv/data/\n", Text(&AppSettings::dataPath),
         L"/srv/data/"},
        {"a Windows-moved path uses \\ as separator", L"DataPath=\\srv\\データ\\時刻表\n",
         Text(&AppSettings::dataPath), L"/srv/データ/時刻表/"},
        {"a long data path is read whole", L"DataPath=/" + std::wstring(4094, L'd') + L"\n",
         Text(&AppSettings::dataPath), L"/" + std::wstring(4094, L'd') + L"/"},
        {"ideographic blanks only", L"DataPath=　 \n", Text(&AppSettings::dataPath), L"/"},
        {"key in other case", base + L"dataPath=/x\n", Text(&AppSettings::dataPath), L"/data/"},
        {"blank before =", base + L"CountDown =9\n", Number(&AppSettings::countDown), L"3"},
        {"flag 5", base + L"DspLstTbl=5\n", Number(&AppSettings::dspLstTbl), L"1"},
        {"negative flag", base + L"PREV_DISP=-2\n", Number(&AppSettings::prevDisp), L"1"},
        {"flag of letters", base + L"DspCmbTbl=yes\n", Number(&AppSettings::dspCmbTbl), L"0"},
        {"number out of range", base + L"CountDown=25\n", Number(&AppSettings::countDown), L"25"},
        {"number then letters", base + L"CountDown=7min\n", Number(&AppSettings::countDown), L"7"},
        {"signed number after blanks", base + L"DayChgHour=  -4\n",
         Number(&AppSettings::dayChgHour), L"-4"},
        {"number beyond int saturates", base + L"Clock=-99999999999999\n",
         Number(&AppSettings::clock), L"-2147483648"},
        {"empty number", base + L"DayChgHour=\n", Number(&AppSettings::dayChgHour), L"0"},
        {"empty text", base + L"FntDate=\n", Text(&AppSettings::fntDate), L""},
        {"text kept as written", base + L"FntDate= ＩＰＡ ゴシック=x \n",
         Text(&AppSettings::fntDate), L" ＩＰＡ ゴシック=x "},
        {"colour", base + L"ColorBack=255\n", Color(&AppSettings::colorBack), L"255"},
        {"shortcut by index", base + L"SK_TrnsPrev=116\n", Shortcut(ShortcutAction::TrnsPrev),
         L"116"},
        {"last shortcut", base + L"SK_TrnsStart=13\n", Shortcut(ShortcutAction::TrnsStart), L"13"},
        {"later line wins", base + L"Clock=4\nClock=6\n", Number(&AppSettings::clock), L"6"},
        {"empty line and line without =", base + L"\nClock\nClock2=2\n",
         Number(&AppSettings::clock2), L"2"},
        {"line without = keeps the value", base + L"Clock=3\nClock\n", Number(&AppSettings::clock),
         L"3"},
        {"value cut at 255", base + L"FntTrns=" + longValue + L"\n", Text(&AppSettings::fntTrns),
         std::wstring(255, L'名')},
        {"long value does not disturb the next line",
         base + L"FntTrns=" + longValue + L"\nClock=5\n", Number(&AppSettings::clock), L"5"},
        {"key longer than 127 is ignored", base + L"Clock" + longValue + L"=5\nClock2=0\n",
         Number(&AppSettings::clock), L"0"},
    };
    for (const LoadCase& c : cases) {
        TempDir dir;
        WriteSJisFile(dir.File(L"Kovaris.ini"), c.file);
        AppSettings settings = SettingsAt(dir);
        settings.Load(nullptr);
        EXPECT_EQ(c.field(settings), c.expected) << c.name;
    }
}

TEST(AppSettingsTest, WarnsWhenNoDataPathIsKnown) {
    struct Case {
        const char* name;
        std::optional<std::wstring> file;  // nothing: no settings file at all
        std::wstring pathBefore;
        bool loaded;
    };
    const std::vector<Case> cases = {
        {"missing file", std::nullopt, L"", false},
        {"missing file keeps the known path", std::nullopt, L"/kept/", true},
        {"empty file", L"", L"", false},
        {"empty data path", L"DataPath=\nClock=1\n", L"/old/", false},
        {"blanks only are a path", L"DataPath=   \n", L"", true},
        {"path given", L"DataPath=/data\n", L"", true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.file) {
            WriteSJisFile(dir.File(L"Kovaris.ini"), *c.file);
        }
        AppSettings settings = SettingsAt(dir);
        settings.dataPath = c.pathBefore;
        RecordingMessenger messenger;
        EXPECT_EQ(settings.Load(&messenger), c.loaded) << c.name;
        if (c.loaded) {
            EXPECT_TRUE(messenger.messages.empty()) << c.name;
        } else {
            ASSERT_EQ(messenger.messages.size(), 1u) << c.name;
            EXPECT_EQ(messenger.messages[0].first, L"KovarisWM(警告)");
            EXPECT_EQ(messenger.messages[0].second, L"データのパスが設定されていません。");
        }
    }
}

// The whole file, once: every key in its place, CR LF, Shift-JIS, unknown keys dropped.
TEST(AppSettingsTest, SaveWritesTheFortyOneLinesInOrder) {
    TempDir dir;
    WriteSJisFile(dir.File(L"Kovaris.ini"),
                  L"Unknown=1\nDataPath=/data\nCountDown=25\nDspCmbTbl=5\nColorBack=255\n"
                  L"FntTrns=ＩＰＡゴシック\nSK_TimesUP=38\nSK_TrnsStart=116\n");
    AppSettings settings = SettingsAt(dir);
    ASSERT_TRUE(settings.Load(nullptr));
    ASSERT_TRUE(settings.Save());
    const std::wstring expected =
        L"DataPath=/data/\r\nDayChgHour=2\r\nClock=0\r\nClock2=1\r\nDspCmbTbl=1\r\n"
        L"DspLstTbl=0\r\nCountDown=25\r\nFntDate=ＭＳ Ｐゴシック\r\nDlgFontSize=95\r\n"
        L"FntClock=ＭＳ Ｐゴシック\r\nClockFontSize=95\r\nFntStation=ＭＳ Ｐゴシック\r\n"
        L"StationFontSize=95\r\nFntTime=ＭＳ ゴシック\r\nTimeLstFontSize=95\r\n"
        L"FntTrns=ＩＰＡゴシック\r\nTrnsLstFontSize=95\r\nPortOnly=0\r\nPREV_DISP=0\r\n"
        L"CfgRead=0\r\nProgress=0\r\nShortMark=0\r\nShortTimeLeft=0\r\nDirScroll=0\r\n"
        L"ScrollMode=0\r\nScrollMode2=0\r\nAlmBefTime=5\r\nColorBack=255\r\n"
        L"ColorFont=16777215\r\nClockAlign1=0\r\nClockAlign2=0\r\nSK_TimesUP=38\r\n"
        L"SK_TimesDOWN=0\r\nSK_1HourPrev=0\r\nSK_1HourNext=0\r\nSK_RealTimeMode=0\r\n"
        L"SK_TrnsUP=0\r\nSK_TrnsDOWN=0\r\nSK_TrnsNext=0\r\nSK_TrnsPrev=0\r\n"
        L"SK_TrnsStart=116\r\nWalkCount=0\r\n";
    EXPECT_EQ(ReadBytes(dir.File(L"Kovaris.ini")), ToSJis(expected));
}

// Without a settings file every key keeps its default, and a flag set outside the loader is
// still written as 0 or 1.
TEST(AppSettingsTest, DefaultsReachTheFileUnchanged) {
    TempDir dir;
    AppSettings settings = SettingsAt(dir);
    EXPECT_FALSE(settings.Load(nullptr));
    settings.shortMark = 5;
    ASSERT_TRUE(settings.Save());
    const std::string bytes = ReadBytes(settings.filePath);
    EXPECT_EQ(bytes.rfind(ToSJis(L"DataPath=\r\nDayChgHour=2\r\n"), 0), 0u);
    for (const std::wstring line :
         {L"\r\nDspCmbTbl=1\r\n", L"\r\nCountDown=3\r\n", L"\r\nFntTrns=ＭＳ ゴシック\r\n",
          L"\r\nShortMark=1\r\n", L"\r\nColorBack=16742500\r\n", L"\r\nSK_TimesUP=0\r\n"}) {
        EXPECT_NE(bytes.find(ToSJis(line)), std::string::npos) << wtext::WideToUtf8(line);
    }
    EXPECT_TRUE(bytes.ends_with("\r\nSK_TrnsStart=0\r\nWalkCount=0\r\n"));
}

// Every key must reach its own field and come back from it: a swapped table entry shows here.
TEST(AppSettingsTest, EveryFieldSurvivesSaveAndLoad) {
    using S = AppSettings;
    const std::vector<int S::*> numbers = {
        &S::dayChgHour,      &S::clock,         &S::clock2,          &S::countDown,
        &S::dlgFontSize,     &S::clockFontSize, &S::stationFontSize, &S::timeLstFontSize,
        &S::trnsLstFontSize, &S::portOnly,      &S::progress,        &S::dirScroll,
        &S::scrollMode,      &S::almBefTime};
    const std::vector<int S::*> flags = {
        &S::dspCmbTbl,     &S::dspLstTbl,   &S::prevDisp,    &S::cfgRead,     &S::shortMark,
        &S::shortTimeLeft, &S::scrollMode2, &S::clockAlign1, &S::clockAlign2, &S::walkCount};
    const std::vector<std::wstring S::*> texts = {&S::fntDate, &S::fntClock, &S::fntStation,
                                                  &S::fntTime, &S::fntTrns};
    TempDir dir;
    AppSettings original = SettingsAt(dir);
    original.dataPath = L"/データ/";
    int next = 100;
    for (int S::*field : numbers) {
        original.*field = next++;
    }
    for (int S::*flag : flags) {
        original.*flag = 1 - original.*flag;
    }
    const std::vector<std::wstring> fontNames = {L"日付書体", L"時刻書体", L"駅書体", L"時刻表書体",
                                                 L"到着駅書体"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        original.*texts[i] = fontNames[i];
    }
    original.colorBack = 0x123456;
    original.colorFont = 0x654321;
    for (std::size_t i = 0; i < original.shortcutKeys.size(); ++i) {
        original.shortcutKeys[i] = static_cast<int>(200 + i);
    }
    ASSERT_TRUE(original.Save());
    EXPECT_NE(ReadBytes(original.filePath).find(ToSJis(L"\r\nFntStation=駅書体\r\n")),
              std::string::npos);

    AppSettings reloaded = SettingsAt(dir);
    reloaded.Load(nullptr);
    EXPECT_EQ(reloaded.dataPath, original.dataPath);
    for (int S::*field : numbers) {
        EXPECT_EQ(reloaded.*field, original.*field);
    }
    for (int S::*flag : flags) {
        EXPECT_EQ(reloaded.*flag, original.*flag);
    }
    for (std::wstring S::*text : texts) {
        EXPECT_EQ(reloaded.*text, original.*text);
    }
    EXPECT_EQ(reloaded.colorBack, original.colorBack);
    EXPECT_EQ(reloaded.colorFont, original.colorFont);
    EXPECT_EQ(reloaded.shortcutKeys, original.shortcutKeys);
}

// A character written as "?" would change the data path or font for the next start.
TEST(AppSettingsTest, ValueShiftJisCannotHoldFailsTheSaveAndNamesTheKey) {
    struct Case {
        const char* name;
        std::function<void(AppSettings&)> change;
        std::wstring key;
    };
    const std::vector<Case> cases = {
        {"data path", [](AppSettings& s) { s.dataPath = L"/home/jos\u00e9/data/"; }, L"DataPath"},
        {"font", [](AppSettings& s) { s.fntStation = L"Noto \u4E02"; }, L"FntStation"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string old = "DataPath=/old/\r\nClock=7\r\n";
        WriteBytes(dir.File(L"Kovaris.ini"), old);
        AppSettings settings = SettingsAt(dir);
        c.change(settings);
        std::wstring failedKey;
        EXPECT_FALSE(settings.Save(&failedKey)) << c.name;
        EXPECT_EQ(failedKey, c.key) << c.name;
        EXPECT_EQ(ReadBytes(settings.filePath), old) << c.name;
    }
    AppSettings settings;
    settings.filePath = L"/nonexistent-folder/Kovaris.ini";
    EXPECT_FALSE(settings.Save());
}

// What a file holds beyond what was read would be lost if it were written over, at the end of
// the run or at the next colour edit. The settings say so once, when they read the file.
TEST(AppSettingsTest, AFileLeftUnreadIsNeverWrittenOver) {
    enum class Found { Nothing, TooLarge, Folder };
    for (const std::wstring name : {L"Kovaris.ini", L"color.ini"}) {
        for (const Found found : {Found::Nothing, Found::TooLarge, Found::Folder}) {
            TempDir dir;
            const std::wstring path = dir.File(name);
            const std::filesystem::path onDisk = dir.path() / wtext::WideToUtf8(name);
            if (found == Found::TooLarge) {
                WriteBytes(path, "DataPath=/data/\r\n");
                std::filesystem::resize_file(onDisk, std::uintmax_t{17} << 20);
            } else if (found == Found::Folder) {
                std::filesystem::create_directory(onDisk);
            }
            const bool unread = found != Found::Nothing;
            bool saved = false;
            if (name == L"color.ini") {
                ColorTable colors;
                colors.Load(path);
                EXPECT_EQ(colors.FileLeftUnread(), unread);
                colors.Set(L"快速", 0x0000FF);
                saved = colors.Save(path);
            } else {
                AppSettings settings = SettingsAt(dir);
                settings.dataPath = L"/data/";
                RecordingMessenger messenger;
                settings.Load(&messenger);
                EXPECT_EQ(settings.FileLeftUnread(), unread);
                std::vector<std::pair<std::wstring, std::wstring>> told;
                if (unread) {
                    told.emplace_back(L"KovarisWM(警告)",
                                      L"設定ファイルを読み込めませんでした。"
                                      L"このファイルには保存しません\n" +
                                          path);
                }
                EXPECT_EQ(messenger.messages, told);
                saved = settings.Save();
            }
            EXPECT_EQ(saved, !unread) << wtext::WideToUtf8(name);
            EXPECT_EQ(std::filesystem::is_directory(onDisk), found == Found::Folder);
            if (found == Found::TooLarge) {
                EXPECT_EQ(std::filesystem::file_size(onDisk), std::uintmax_t{17} << 20);
            }
        }
    }
}

// The program saves at its end itself; a copy that goes out of scope must not.
TEST(AppSettingsTest, CopiesAndDestructionNeverWrite) {
    TempDir dir;
    {
        AppSettings settings = SettingsAt(dir);
        settings.clock = 4;
        AppSettings copy = settings;
        AppSettings assigned;
        assigned = copy;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Kovaris.ini"));
}

}  // namespace
