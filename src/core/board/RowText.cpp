// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/RowText.h"

#include <array>
#include <string_view>

#include "settings/AppSettings.h"
#include "text/IntFormat.h"
#include "text/WideText.h"

namespace {

using FormatSet = std::array<std::wstring_view, 7>;

// Indexed by CountdownFormat. The long set lines up in a fixed-pitch font; the short set suits
// narrow windows.
constexpr FormatSet kLongFormats = {
    L"           ",     L"あと   %02d秒",  L"あと%d分%02d秒", L"あと   %02d分",
    L" %02d時間%02d分", L"    %d分%02d秒", L"      %03d分",
};
constexpr FormatSet kShortFormats = {
    L"      ", L"00.%02ds", L"%02d.%02ds", L"00:%02d ", L"%02d:%02d ", L"%02d.%02ds", L"00:%02d ",
};

constexpr std::wstring_view kBlankLabel = L"　　　";
constexpr std::wstring_view kBlankTime = L"--:--";

// `text` without its blanks: the padding of the columns, and the spacing inside "先　発".
std::wstring WithoutBlanks(std::wstring_view text) {
    std::wstring out;
    for (const wchar_t c : text) {
        if (!wtext::IsSpace(c)) {
            out.push_back(c);
        }
    }
    return out;
}

// `text` with each run of blanks made one space, and none at either end.
std::wstring SingleSpaced(std::wstring_view text) {
    std::wstring out;
    bool blank = false;
    for (const wchar_t c : wtext::Trim(text)) {
        if (wtext::IsSpace(c)) {
            blank = true;
            continue;
        }
        if (blank) {
            out.push_back(L' ');
            blank = false;
        }
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
                         int shortTimeLeft) {
    const CountdownFormat format = ChooseCountdownFormat(seconds, distance, countDown);
    const std::wstring_view pattern =
        (shortTimeLeft == 0 ? kLongFormats : kShortFormats)[static_cast<std::size_t>(format)];
    const int elapsed = -seconds;
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
            AppendIntFormat(out, pattern, {elapsed / 60, elapsed % 60});
            break;
        case CountdownFormat::LeftMinutes:
            AppendIntFormat(out, pattern, {elapsed / 60});
            break;
    }
}

std::wstring CountdownText(int seconds, int distance, int countDown, int shortTimeLeft) {
    std::wstring text;
    AppendCountdownText(text, seconds, distance, countDown, shortTimeLeft);
    return text;
}

void BuildRowText(std::wstring& out, const RowInfo& row, const AppSettings& settings) {
    out.clear();
    out += row.label;
    out.push_back(L' ');
    AppendIntFormat(out, L"%02d:%02d ", {row.time / 60, row.time % 60});
    AppendCountdownText(out, row.seconds, row.distance, settings.countDown, settings.shortTimeLeft);
    out.push_back(L' ');
}

std::wstring RowText(const RowInfo& row, const AppSettings& settings) {
    std::wstring text;
    BuildRowText(text, row, settings);
    return text;
}

std::wstring BlankRowText() {
    return std::wstring(kBlankLabel) + L" " + std::wstring(kBlankTime);
}

std::wstring SpokenRowText(const RowInfo& row, const AppSettings& settings) {
    std::wstring spoken = WithoutBlanks(row.label);
    std::wstring time;
    AppendIntFormat(time, L"%02d:%02d", {row.time / 60, row.time % 60});
    AppendWords(spoken, time);
    AppendWords(spoken, WithoutBlanks(CountdownText(row.seconds, row.distance, settings.countDown,
                                                    settings.shortTimeLeft)));
    AppendWords(spoken, SingleSpaced(row.note));
    return spoken;
}

std::wstring SpokenBlankRowText() {
    return std::wstring(kBlankTime);
}
