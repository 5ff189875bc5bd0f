// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/TimetableText.h"

#include <algorithm>
#include <array>

#include "text/SJisCodec.h"
#include "text/WideText.h"

namespace timetable_text {

namespace {

constexpr std::size_t kFileStemLength = 80;
// What Windows refuses, and ";", which ends a name in a route configuration.
constexpr std::wstring_view kRefusedInFileNames = L"/\\:*?\"<>|;";

// The base letters of U+00C0 to U+017F: "*" where it takes two letters, "." for the signs "×"
// and "÷", which Shift-JIS holds.
constexpr wchar_t kFirstLatinLetter = 0xC0;
constexpr std::wstring_view kBaseLetters =
    L"AAAAAA*CEEEEIIIIDNOOOOO.OUUUUY**aaaaaa*ceeeeiiiidnooooo.ouuuuy*y"
    L"AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"
    L"lLlNnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

struct SpelledLetter {
    wchar_t letter;
    std::wstring_view base;
};
// Ligatures and letters beyond the table (Romanian comma letters).
constexpr std::array<SpelledLetter, 13> kSpelledLetters = {{{L'Æ', L"AE"},
                                                            {L'Þ', L"TH"},
                                                            {L'ß', L"ss"},
                                                            {L'æ', L"ae"},
                                                            {L'þ', L"th"},
                                                            {L'Ĳ', L"IJ"},
                                                            {L'ĳ', L"ij"},
                                                            {L'Œ', L"OE"},
                                                            {L'œ', L"oe"},
                                                            {L'Ș', L"S"},
                                                            {L'ș', L"s"},
                                                            {L'Ț', L"T"},
                                                            {L'ț', L"t"}}};

bool IsControl(wchar_t c) {
    return c < 0x20 || c == 0x7F;
}

}  // namespace

std::wstring OneLine(std::wstring_view text) {
    std::wstring line(text);
    for (wchar_t& c : line) {
        if (IsControl(c)) {
            c = L' ';
        }
    }
    return std::wstring(wtext::Trim(line));
}

std::wstring ToBaseLetters(std::wstring_view text) {
    std::wstring based;
    for (const wchar_t c : text) {
        const auto index = static_cast<std::size_t>(c) - kFirstLatinLetter;
        if (c >= kFirstLatinLetter && index < kBaseLetters.size() && kBaseLetters[index] != L'*') {
            based.push_back(kBaseLetters[index] == L'.' ? c : kBaseLetters[index]);
            continue;
        }
        const auto spelled = std::find_if(kSpelledLetters.begin(), kSpelledLetters.end(),
                                          [c](const SpelledLetter& s) { return s.letter == c; });
        if (spelled != kSpelledLetters.end()) {
            based.append(spelled->base);
        } else {
            based.push_back(c);
        }
    }
    return based;
}

std::wstring FromFeed(std::string_view utf8) {
    return OneLine(ToBaseLetters(wtext::Utf8ToWide(utf8)));
}

std::wstring OneWord(std::wstring_view text) {
    std::wstring word;
    for (const wchar_t c : text) {
        if (!wtext::IsSpace(c) && !IsControl(c)) {
            word.push_back(c);
        }
    }
    return word;
}

std::wstring CutToBytes(std::wstring_view text, std::size_t bytes) {
    std::wstring cut;
    std::size_t used = 0;
    for (const wchar_t c : text) {
        used += ToSJis(std::wstring_view(&c, 1)).size();
        if (used > bytes) {
            break;
        }
        cut.push_back(c);
    }
    return cut;
}

std::wstring SafeFileStem(std::wstring_view text) {
    std::size_t substituted = 0;
    const std::wstring spelled = ToWide(ToShiftJis(OneLine(text), substituted));
    std::wstring stem;
    for (const wchar_t c : spelled) {
        const bool refused = IsControl(c) || wtext::IsSpace(c) ||
                             kRefusedInFileNames.find(c) != std::wstring_view::npos;
        stem.push_back(refused ? L'_' : c);
        if (stem.size() == kFileStemLength) {
            break;
        }
    }
    while (!stem.empty() && (stem.front() == L'.' || stem.back() == L'.')) {
        stem.erase(stem.front() == L'.' ? 0 : stem.size() - 1, 1);
    }
    return stem.empty() ? L"timetable" : stem;
}

std::string ToShiftJis(std::wstring_view original, std::size_t& substituted) {
    const std::wstring text = ToBaseLetters(original);
    std::string bytes = ToSJis(text);
    if (bytes.find('?') == std::string::npos) {
        return bytes;
    }
    // A "?" may be real or stand for a character that failed: convert one by one to tell.
    bytes.clear();
    for (const wchar_t c : text) {
        const std::string one = ToSJis(std::wstring_view(&c, 1));
        if (one == "?" && c != L'?') {
            bytes += ToSJis(L"〓");
            ++substituted;
        } else {
            bytes += one;
        }
    }
    return bytes;
}

}  // namespace timetable_text
