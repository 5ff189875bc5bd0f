// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ColorTable.h"

class Messenger;
class SJisLines;

// The ten actions a single key can be bound to, in the order of the settings file.
enum class ShortcutAction {
    TimesUp = 0,
    TimesDown,
    HourPrev,
    HourNext,
    RealTimeMode,
    TrnsUp,
    TrnsDown,
    TrnsNext,
    TrnsPrev,
    TrnsStart,
};
inline constexpr int kShortcutCount = 10;

// The first of the actions bound to `virtualKey`, in index order; none for an unbound key or 0.
std::optional<ShortcutAction> FindShortcutAction(const std::array<int, kShortcutCount>& keys,
                                                 int virtualKey);

// One entry of the companion program's history: a timetable path and a short name.
struct HistoryEntry {
    std::wstring path;
    std::wstring name;  // at most 16 characters

    bool operator==(const HistoryEntry&) const = default;
};

// Every option of the program, stored as "Kovaris.ini" (key=value lines, Shift-JIS, CR LF).
// Other code reads and changes the fields directly. A plain value: copies and the end of its
// life never touch the file; the program saves at its end itself.
class AppSettings {
public:
    // Reads the settings file; true when a data path is known afterwards (see CheckDataPath).
    // A file that is there but cannot be read whole (too large, not readable, not a regular
    // file) is never written over by Save; `messenger` (when given) is told so.
    bool Load(Messenger* messenger);
    // Brings the data path to the form Load gives it (no blanks around it, a "/" at its end);
    // false when none is known, after the warning to `messenger` (when given).
    bool CheckDataPath(Messenger* messenger);
    // Writes the 42 keys in their fixed order, replacing the file only when all was written.
    // A value Shift-JIS cannot hold fails the save with nothing written (the old file stays),
    // and its key goes to `failedKey` when given.
    bool Save(std::wstring* failedKey = nullptr) const;
    // The file Load found but could not read whole; Save leaves it alone.
    bool FileLeftUnread() const { return fileLeftUnread_; }

    // The key lines of a settings file, from memory; keys not named keep their values.
    void Read(SJisLines& source);
    // The bytes Save writes, or nothing (with `failedKey` set) as Save fails.
    std::optional<std::string> FileBytes(std::wstring* failedKey = nullptr) const;

    // Companion files in the data root, read only.
    bool LoadHistory();
    bool LoadTdSettings();
    // The same from memory.
    void ReadHistory(SJisLines& source);
    void ReadTdSettings(SJisLines& source);

    // Where Load and Save look: "./Kovaris.ini" unless a caller (tests, the terminal tool)
    // names another file.
    std::wstring filePath = L"./Kovaris.ini";

    // The values of the settings file, in file order.
    std::wstring dataPath;  // ends in "/" after Load, unless empty
    int dayChgHour = 2;
    int clock = 0;
    int clock2 = 1;
    int dspCmbTbl = 1;
    int dspLstTbl = 0;
    int countDown = 3;
    std::wstring fntDate = L"ＭＳ Ｐゴシック";
    int dlgFontSize = 95;
    std::wstring fntClock = L"ＭＳ Ｐゴシック";
    int clockFontSize = 95;
    std::wstring fntStation = L"ＭＳ Ｐゴシック";
    int stationFontSize = 95;
    std::wstring fntTime = L"ＭＳ ゴシック";
    int timeLstFontSize = 95;
    std::wstring fntTrns = L"ＭＳ ゴシック";
    int trnsLstFontSize = 95;
    int portOnly = 0;
    int prevDisp = 0;
    int cfgRead = 0;
    int progress = 0;
    int shortMark = 0;
    int shortTimeLeft = 0;
    int dirScroll = 0;
    int scrollMode = 0;
    int scrollMode2 = 0;
    int almBefTime = 5;
    ColorRef colorBack = 16742500;
    ColorRef colorFont = 16777215;
    int clockAlign1 = 0;
    int clockAlign2 = 0;
    std::array<int, kShortcutCount> shortcutKeys{};  // Windows virtual-key codes, 0 = unbound
    int walkCount = 0;  // countdowns to the departure (0) or to the moment to set off (1)

    // From the companion program's history file.
    std::wstring lastTimetable;
    std::vector<HistoryEntry> history;

    // From the companion program's display settings; kept, not used by any display here.
    int hstNum = 4;
    int lines = 5;
    int interval = 30;
    std::wstring fontStation = L"ＭＳ Ｐゴシック";
    int fontStationSize = 110;
    std::wstring fontTimes = L"ＭＳ ゴシック";
    int fontTimesSize = 110;
    int shadow = 0;
    int clockFlag = 0;  // key "CLOCK"
    int prevNext = 0;
    ColorRef fontColorClock = 16777215;
    ColorRef frameColorClock = 65793;
    ColorRef frameColorStation = 12591136;
    ColorRef frameColorTimes1 = 1052688;
    ColorRef frameColorTimes2 = 6316128;
    int lineType = 0;
    int alphaFrame = 70;
    int alphaFrame2 = 30;
    int clearType = 0;

private:
    bool fileLeftUnread_ = false;
};
