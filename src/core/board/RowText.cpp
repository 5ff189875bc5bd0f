// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/RowText.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>

#include "settings/AppSettings.h"
#include "text/IntFormat.h"
#include "text/WideText.h"

namespace {

// Indexed by CountdownFormat: the narrow windows' set, the same in every language.
constexpr std::array<std::wstring_view, 7> kShortFormats = {
    L"      ", L"00.%02ds", L"%02d.%02ds", L"00:%02d ", L"%02d:%02d ", L"%02d.%02ds", L"00:%02d ",
};

constexpr std::wstring_view kBlankTime = L"--:--";

bool IsJapanese(wchar_t c) {
    return c > 0x7F;
}

// `text` with each run of blanks made one space, and none at either end. `forReading` drops a
// run beside Japanese, which is written without spaces: such blanks only line the columns up
// ("あと   07秒", "先　発"), while "in      07s" still reads "in 07s".
std::wstring SingleSpaced(std::wstring_view text, bool forReading) {
    std::wstring out;
    bool blank = false;
    for (const wchar_t c : wtext::Trim(text)) {
        if (wtext::IsSpace(c)) {
            blank = true;
            continue;
        }
        if (blank && !(forReading && (IsJapanese(c) || IsJapanese(out.back())))) {
            out.push_back(L' ');
        }
        blank = false;
        out.push_back(c);
    }
    return out;
}

void AppendWords(std::wstring& out, const std::wstring& words) {
    if (words.empty()) {
        return;
    }
    if (!out.empty()) {
        out.push_back(L' ');
    }
    out += words;
}

}  // namespace

CountdownFormat ChooseCountdownFormat(int seconds, int distance, int countDown) {
    // Wide, so that any CountDown a settings file holds compares as written.
    const long long countDownSeconds = static_cast<long long>(countDown) * 60;
    if (distance == 1) {
        return -static_cast<long long>(seconds) < countDownSeconds ? CountdownFormat::LeftRecently
                                                                   : CountdownFormat::LeftMinutes;
    }
    if (seconds < 0) {
        return CountdownFormat::Gone;
    }
    if (seconds < 60) {
        return CountdownFormat::Seconds;
    }
    if (seconds < countDownSeconds) {
        return CountdownFormat::MinutesSeconds;
    }
    return seconds >= 3600 ? CountdownFormat::HoursMinutes : CountdownFormat::Minutes;
}

void AppendCountdownText(std::wstring& out, int seconds, int distance, int countDown,
                         int shortTimeLeft, const BoardWords& words) {
    const CountdownFormat format = ChooseCountdownFormat(seconds, distance, countDown);
    const auto index = static_cast<std::size_t>(format);
    const std::wstring_view pattern =
        shortTimeLeft == 0 ? std::wstring_view(words.longCountdowns[index]) : kShortFormats[index];
    // Wide, so that a departure clamped to the far past (INT_MIN seconds) still negates.
    const long long elapsed = -static_cast<long long>(seconds);
    switch (format) {
        case CountdownFormat::Gone:
            AppendIntFormat(out, pattern, {});
            break;
        case CountdownFormat::Seconds:
            AppendIntFormat(out, pattern, {seconds});
            break;
        case CountdownFormat::MinutesSeconds:
            AppendIntFormat(out, pattern, {seconds / 60, seconds % 60});
            break;
        case CountdownFormat::Minutes:
            AppendIntFormat(out, pattern, {seconds / 60});
            break;
        case CountdownFormat::HoursMinutes:
            AppendIntFormat(out, pattern, {seconds / 3600, seconds / 60 % 60});
            break;
        case CountdownFormat::LeftRecently:
            AppendIntFormat(out, pattern,
                            {static_cast<int>(elapsed / 60), static_cast<int>(elapsed % 60)});
            break;
        case CountdownFormat::LeftMinutes:
            AppendIntFormat(out, pattern, {static_cast<int>(elapsed / 60)});
            break;
    }
}

std::wstring CountdownText(int seconds, int distance, int countDown, int shortTimeLeft,
                           const BoardWords& words) {
    std::wstring text;
    AppendCountdownText(text, seconds, distance, countDown, shortTimeLeft, words);
    return text;
}

int CountdownSeconds(const RowInfo& row, const AppSettings& settings) {
    // A train that has left is counted from its departure whatever the setting.
    if (settings.walkCount == 0 || row.distance > 0) {
        return row.seconds;
    }
    const long long toSetOff = static_cast<long long>(row.seconds) - row.walkSeconds;
    return static_cast<int>(std::max<long long>(toSetOff, INT_MIN));
}

void BuildRowText(std::wstring& out, const RowInfo& row, const AppSettings& settings,
                  const BoardWords& words) {
    out.clear();
    out += row.label;
    out.push_back(L' ');
    AppendIntFormat(out, L"%02d:%02d ", {row.time / 60, row.time % 60});
    AppendCountdownText(out, CountdownSeconds(row, settings), row.distance, settings.countDown,
                        settings.shortTimeLeft, words);
    out.push_back(L' ');
}

std::wstring RowText(const RowInfo& row, const AppSettings& settings, const BoardWords& words) {
    std::wstring text;
    BuildRowText(text, row, settings, words);
    return text;
}

std::wstring BlankRowText(const BoardWords& words) {
    return words.blankLabel + L" " + std::wstring(kBlankTime);
}

std::wstring SpokenRowText(const RowInfo& row, const AppSettings& settings,
                           const BoardWords& words) {
    std::wstring spoken = SingleSpaced(row.label, true);
    std::wstring time;
    AppendIntFormat(time, L"%02d:%02d", {row.time / 60, row.time % 60});
    AppendWords(spoken, time);
    AppendWords(spoken,
                SingleSpaced(CountdownText(CountdownSeconds(row, settings), row.distance,
                                           settings.countDown, settings.shortTimeLeft, words),
                             true));
    if (row.unreachable) {
        AppendWords(spoken, words.outOfReach);
    }
    AppendWords(spoken, SingleSpaced(row.note, false));
    return spoken;
}

std::wstring SpokenBlankRowText() {
    return std::wstring(kBlankTime);
}
