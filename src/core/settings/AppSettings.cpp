// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/AppSettings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "files/AtomicSave.h"
#include "files/CSJisFile.h"
#include "files/PathLookup.h"
#include "files/RegularFile.h"
#include "files/SJisLines.h"
#include "settings/KeyValueLine.h"
#include "settings/SettingsMessages.h"
#include "settings/ShortcutTable.h"
#include "text/Messenger.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"

namespace {

enum class Kind { Text, Number, Flag, DataPath };

// A shortcut key lives in an array, which a pointer to member cannot reach element by element.
using Field = std::variant<std::wstring AppSettings::*, int AppSettings::*, ColorRef AppSettings::*,
                           ShortcutAction>;

struct SettingKey {
    std::wstring_view name;
    Kind kind;
    Field field;
};

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// The order of this table is the order of the lines in the file.
std::vector<SettingKey> BuildSettingsKeys() {
    using S = AppSettings;
    std::vector<SettingKey> keys = {
        {L"DataPath", Kind::DataPath, &S::dataPath},
        {L"DayChgHour", Kind::Number, &S::dayChgHour},
        {L"Clock", Kind::Number, &S::clock},
        {L"Clock2", Kind::Number, &S::clock2},
        {L"DspCmbTbl", Kind::Flag, &S::dspCmbTbl},
        {L"DspLstTbl", Kind::Flag, &S::dspLstTbl},
        {L"CountDown", Kind::Number, &S::countDown},
        {L"FntDate", Kind::Text, &S::fntDate},
        {L"DlgFontSize", Kind::Number, &S::dlgFontSize},
        {L"FntClock", Kind::Text, &S::fntClock},
        {L"ClockFontSize", Kind::Number, &S::clockFontSize},
        {L"FntStation", Kind::Text, &S::fntStation},
        {L"StationFontSize", Kind::Number, &S::stationFontSize},
        {L"FntTime", Kind::Text, &S::fntTime},
        {L"TimeLstFontSize", Kind::Number, &S::timeLstFontSize},
        {L"FntTrns", Kind::Text, &S::fntTrns},
        {L"TrnsLstFontSize", Kind::Number, &S::trnsLstFontSize},
        {L"PortOnly", Kind::Number, &S::portOnly},
        {L"PREV_DISP", Kind::Flag, &S::prevDisp},
        {L"CfgRead", Kind::Flag, &S::cfgRead},
        {L"Progress", Kind::Number, &S::progress},
        {L"ShortMark", Kind::Flag, &S::shortMark},
        {L"ShortTimeLeft", Kind::Flag, &S::shortTimeLeft},
        {L"DirScroll", Kind::Number, &S::dirScroll},
        {L"ScrollMode", Kind::Number, &S::scrollMode},
        {L"ScrollMode2", Kind::Flag, &S::scrollMode2},
        {L"AlmBefTime", Kind::Number, &S::almBefTime},
        {L"ColorBack", Kind::Number, &S::colorBack},
        {L"ColorFont", Kind::Number, &S::colorFont},
        {L"ClockAlign1", Kind::Flag, &S::clockAlign1},
        {L"ClockAlign2", Kind::Flag, &S::clockAlign2},
    };
    for (int i = 0; i < kShortcutCount; ++i) {
        const auto action = static_cast<ShortcutAction>(i);
        keys.push_back({ShortcutKeyName(i), Kind::Number, action});
    }
    // Newer keys go last: older files and readers keep their line order.
    keys.push_back({L"WalkCount", Kind::Flag, &S::walkCount});
    return keys;
}

const std::vector<SettingKey>& SettingsKeys() {
    static const std::vector<SettingKey> keys = BuildSettingsKeys();
    return keys;
}

// The companion program's display settings; read only.
const std::vector<SettingKey>& TdKeys() {
    using S = AppSettings;
    static const std::vector<SettingKey> keys = {
        {L"HstNum", Kind::Number, &S::hstNum},
        {L"Lines", Kind::Number, &S::lines},
        {L"Interval", Kind::Number, &S::interval},
        {L"FontStation", Kind::Text, &S::fontStation},
        {L"FontStationSize", Kind::Number, &S::fontStationSize},
        {L"FontTimes", Kind::Text, &S::fontTimes},
        {L"FontTimesSize", Kind::Number, &S::fontTimesSize},
        {L"SHADOW", Kind::Number, &S::shadow},
        {L"CLOCK", Kind::Flag, &S::clockFlag},
        {L"PREV_NEXT", Kind::Number, &S::prevNext},
        {L"FontColorClock", Kind::Number, &S::fontColorClock},
        {L"FrameColorClock", Kind::Number, &S::frameColorClock},
        {L"FrameColorStation", Kind::Number, &S::frameColorStation},
        {L"FrameColorTimes1", Kind::Number, &S::frameColorTimes1},
        {L"FrameColorTimes2", Kind::Number, &S::frameColorTimes2},
        {L"LineType", Kind::Number, &S::lineType},
        {L"AlphaFrame", Kind::Number, &S::alphaFrame},
        {L"AlphaFrame2", Kind::Number, &S::alphaFrame2},
        {L"ClearType", Kind::Flag, &S::clearType},
    };
    return keys;
}

// Blanks around the path are a typing slip; the rest of the program appends file names, so the
// path has to end in a separator. A settings file moved from Windows writes "\", which is a
// separator here as in every other file. An empty value is what the writer leaves when no path
// is known, so it stays empty.
std::wstring NormaliseDataPath(std::wstring_view value) {
    if (value.empty()) {
        return {};
    }
    std::wstring path = ToNativeSeparators(wtext::TrimLeft(wtext::TrimRight(value)));
    if (path.empty() || path.back() != L'/') {
        path.push_back(L'/');
    }
    return path;
}

int NumberValue(Kind kind, std::wstring_view value) {
    const int number = wtext::LeadingInt(value);
    return kind == Kind::Flag ? (number != 0 ? 1 : 0) : number;
}

void Assign(AppSettings& settings, const SettingKey& key, std::wstring_view value) {
    std::visit(
        Overloaded{
            [&](std::wstring AppSettings::*member) {
                settings.*member =
                    key.kind == Kind::DataPath ? NormaliseDataPath(value) : std::wstring(value);
            },
            [&](int AppSettings::*member) { settings.*member = NumberValue(key.kind, value); },
            [&](ColorRef AppSettings::*member) {
                settings.*member = static_cast<ColorRef>(NumberValue(key.kind, value));
            },
            [&](ShortcutAction action) {
                settings.shortcutKeys[static_cast<std::size_t>(action)] =
                    NumberValue(key.kind, value);
            },
        },
        key.field);
}

// The value as file bytes; nothing when a text holds a character Shift-JIS cannot. Numbers are
// ASCII, so they go straight to bytes.
std::optional<std::string> ValueBytes(const AppSettings& settings, const SettingKey& key) {
    const auto number = [&](int value) -> std::optional<std::string> {
        return std::to_string(key.kind == Kind::Flag ? (value != 0 ? 1 : 0) : value);
    };
    return std::visit(
        Overloaded{
            [&](std::wstring AppSettings::*member) { return ToSJisStrict(settings.*member); },
            [&](int AppSettings::*member) { return number(settings.*member); },
            // Colours stay below 2^24, so the signed decimal is the one always written.
            [&](ColorRef AppSettings::*member) {
                return number(static_cast<int>(settings.*member));
            },
            [&](ShortcutAction action) {
                return number(settings.shortcutKeys[static_cast<std::size_t>(action)]);
            },
        },
        key.field);
}

using KeyIndex = std::unordered_map<std::wstring_view, const SettingKey*>;

// One hash lookup per line instead of a comparison with every key.
const KeyIndex& IndexOf(const std::vector<SettingKey>& keys) {
    static const auto build = [](const std::vector<SettingKey>& table) {
        KeyIndex index;
        for (const SettingKey& key : table) {
            index.emplace(key.name, &key);
        }
        return index;
    };
    static const KeyIndex settingsIndex = build(SettingsKeys());
    static const KeyIndex tdIndex = build(TdKeys());
    return &keys == &SettingsKeys() ? settingsIndex : tdIndex;
}

// Reads key=value lines into the fields of `keys`.
void ReadKeyLines(SJisLines& lines, const std::vector<SettingKey>& keys, AppSettings& settings) {
    const KeyIndex& index = IndexOf(keys);
    std::wstring line;
    while (lines.ReadString(line)) {
        const std::optional<KeyValueLine> pair = SplitKeyValueLine(line, kMaxDataPathLength);
        if (!pair) {
            continue;
        }
        const auto found = index.find(pair->key);
        if (found == index.end()) {
            continue;
        }
        const SettingKey& key = *found->second;
        const std::size_t limit =
            key.kind == Kind::DataPath ? kMaxDataPathLength : kMaxSettingValueLength;
        Assign(settings, key, pair->value.substr(0, limit));
    }
}

// Reads a key file into the fields of `keys`; the lines read before a read error count.
FileRead ReadKeyFile(const std::wstring& path, const std::vector<SettingKey>& keys,
                     AppSettings& settings) {
    std::string bytes;
    const FileRead read = ReadRegularFile(path, bytes);
    SJisLines lines(bytes);
    ReadKeyLines(lines, keys, settings);
    return read;
}

constexpr std::size_t kHistoryNameLength = 16;

HistoryEntry ParseHistoryLine(std::wstring_view line) {
    if (!line.empty() && line.back() == L'\n') {
        line.remove_suffix(1);
    }
    HistoryEntry entry;
    const std::size_t comma = line.find(L',');
    if (comma != std::wstring_view::npos) {
        entry.path = line.substr(0, comma);
        entry.name = line.substr(comma + 1, kHistoryNameLength);
        return entry;
    }
    entry.path = line;
    const std::size_t separator = line.find_last_of(L"\\/");
    const std::wstring_view fileName =
        separator == std::wstring_view::npos ? line : line.substr(separator + 1);
    entry.name = fileName.substr(0, kHistoryNameLength);
    return entry;
}

}  // namespace

bool AppSettings::Load(Messenger* messenger) {
    // A missing file keeps every field as it is; the warning below still applies.
    fileLeftUnread_ = LeftUnread(ReadKeyFile(filePath, SettingsKeys(), *this));
    if (fileLeftUnread_ && messenger != nullptr) {
        messenger->Show(std::wstring(kSettingsWarningTitle),
                        UnreadFileText(kSettingsFileName, filePath));
    }
    return CheckDataPath(messenger);
}

bool AppSettings::CheckDataPath(Messenger* messenger) {
    dataPath = NormaliseDataPath(dataPath);
    if (dataPath.empty()) {
        if (messenger != nullptr) {
            messenger->Show(std::wstring(kSettingsWarningTitle),
                            L"データのパスが設定されていません。");
        }
        return false;
    }
    return true;
}

void AppSettings::Read(SJisLines& source) {
    ReadKeyLines(source, SettingsKeys(), *this);
}

std::optional<std::string> AppSettings::FileBytes(std::wstring* failedKey) const {
    std::string bytes;
    bytes.reserve(1024);
    for (const SettingKey& key : SettingsKeys()) {
        // A character written as "?" would be read back as a different path or font, and the
        // next start would not find the data folder: refuse the whole save instead.
        const std::optional<std::string> value = ValueBytes(*this, key);
        if (!value) {
            if (failedKey != nullptr) {
                *failedKey = key.name;
            }
            return std::nullopt;
        }
        for (wchar_t c : key.name) {
            bytes += static_cast<char>(c);  // key names are ASCII
        }
        bytes += '=';
        bytes += *value;
        bytes += "\r\n";
    }
    return bytes;
}

bool AppSettings::Save(std::wstring* failedKey) const {
    if (fileLeftUnread_) {
        return false;
    }
    const std::optional<std::string> bytes = FileBytes(failedKey);
    return bytes && SaveAtomically(filePath, *bytes);
}

bool AppSettings::LoadHistory() {
    lastTimetable.clear();
    history.clear();
    CSJisFile file;
    if (!file.Open(DataRootFile(dataPath, L"KovarisHstWin.ini"), CSJisFile::Mode::Read)) {
        return false;
    }
    ReadHistory(file.Lines());
    return true;
}

void AppSettings::ReadHistory(SJisLines& source) {
    lastTimetable.clear();
    history.clear();
    std::wstring line;
    if (!source.ReadString(line)) {
        return;
    }
    lastTimetable = line;
    while (source.ReadString(line)) {
        history.push_back(ParseHistoryLine(line));
    }
}

bool AppSettings::LoadTdSettings() {
    ReadKeyFile(DataRootFile(dataPath, L"KovarisTd.ini"), TdKeys(), *this);
    return true;
}

void AppSettings::ReadTdSettings(SJisLines& source) {
    ReadKeyLines(source, TdKeys(), *this);
}

std::optional<ShortcutAction> FindShortcutAction(const std::array<int, kShortcutCount>& keys,
                                                 int virtualKey) {
    if (virtualKey == 0) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == virtualKey) {
            return static_cast<ShortcutAction>(i);
        }
    }
    return std::nullopt;
}
