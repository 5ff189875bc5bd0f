#include "gtfs/TimetableText.h"

#include "text/SJisCodec.h"
#include "text/WideText.h"

namespace timetable_text {

namespace {

constexpr std::size_t kFileStemLength = 80;
constexpr std::wstring_view kRefusedInFileNames = L"/\\:*?\"<>|";

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
    std::wstring stem;
    for (const wchar_t c : OneLine(text)) {
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

std::string ToShiftJis(std::wstring_view text, std::size_t& substituted) {
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
