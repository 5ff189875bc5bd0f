// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/TimetableWriter.h"

#include <array>
#include <string_view>

#include "gtfs/TimetableText.h"
#include "text/IntFormat.h"

namespace {

constexpr std::wstring_view kEol = L"\r\n";
// The reader keeps at most this many characters of a legend field or a caption word.
constexpr std::size_t kFieldLimit = 127;
constexpr std::array<std::pair<std::size_t, const wchar_t*>, 8> kHeaderDays = {{{1, L"[MON]"},
                                                                                {2, L"[TUE]"},
                                                                                {3, L"[WED]"},
                                                                                {4, L"[THU]"},
                                                                                {5, L"[FRI]"},
                                                                                {6, L"[SAT]"},
                                                                                {0, L"[SUN]"},
                                                                                {7, L"[HOL]"}}};

std::wstring Replaced(std::wstring text, wchar_t from, wchar_t to) {
    for (wchar_t& c : text) {
        if (c == from) {
            c = to;
        }
    }
    return text;
}

std::wstring Field(std::wstring_view text) {
    return std::wstring(text.substr(0, kFieldLimit));
}

void AppendLegend(std::wstring& text, const TimetableDraft& draft) {
    for (const DraftMark& mark : draft.marks) {
        // A ";" would end the name; the short name ends at a blank already.
        text.append(1, mark.letter).append(L":");
        text.append(Field(Replaced(mark.name, L';', L'；'))).append(L";");
        text.append(Field(mark.shortName)).append(kEol);
    }
}

void AppendStations(std::wstring& text, const TimetableDraft& draft) {
    for (const DraftStation& station : draft.stations) {
        // The name ends at the first ":".
        text.append(L"$").append(Replaced(station.name, L':', L'：')).append(L":");
        for (const auto& [mark, minutes] : station.travelMinutes) {
            text.append(L" ");
            if (mark != L'-') {
                text.append(1, mark);
            }
            AppendIntFormat(text, L"%d", {minutes});
        }
        text.append(kEol);
    }
}

void AppendSection(std::wstring& text, const DraftSection& section, const TimetableDraft& draft) {
    for (const auto& [day, name] : kHeaderDays) {
        if ((section.dayMask & (1U << day)) != 0) {
            text.append(name);
        }
    }
    text.append(kEol).append(L"#").append(Field(timetable_text::OneWord(section.days)));
    text.append(L" ").append(Field(timetable_text::OneWord(draft.direction))).append(kEol);
    int hour = -1;
    for (const DraftDeparture& departure : section.departures) {
        if (departure.minutes / 60 != hour) {
            if (hour >= 0) {
                text.append(kEol);
            }
            hour = departure.minutes / 60;
            AppendIntFormat(text, L"%d", {hour});
        }
        text.append(L" ");
        if (departure.mark != L'\0') {
            text.append(1, departure.mark);
        }
        AppendIntFormat(text, L"%02d", {departure.minutes % 60});
    }
    text.append(kEol);
}

}  // namespace

std::wstring TimetableFileText(const TimetableDraft& draft) {
    std::wstring text = L";" + draft.title + std::wstring(kEol);
    AppendLegend(text, draft);
    AppendStations(text, draft);
    for (const DraftSection& section : draft.sections) {
        AppendSection(text, section, draft);
    }
    return text;
}
