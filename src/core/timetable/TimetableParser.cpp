// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/TimetableParser.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <utility>

#include "files/RegularFile.h"
#include "files/SJisLines.h"
#include "settings/AppSettings.h"
#include "text/EncodingCheck.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"
#include "timetable/Timetable.h"

namespace {

// Fields of a legend or caption line beyond this are cut; the format never needs more.
constexpr std::size_t kFieldLimit = 127;
constexpr std::size_t kMarksLimit = 15;
// No section of a file needs more departures than this; further ones are dropped, so that a
// hostile file cannot make rows without end.
constexpr std::size_t kMaxSectionDepartures = std::numeric_limits<std::int16_t>::max();
constexpr std::uint8_t kWeekdaysMask = 0x7F;

// Printable ASCII, the bulk of every line, is never white space; the rest asks the full set.
bool IsSpace(wchar_t c) {
    return (c <= 0x20 || c >= 0x7F) && wtext::IsSpace(c);
}

bool IsAsciiDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

std::wstring_view Cut(std::wstring_view s, std::size_t limit) {
    return s.substr(0, limit);
}

bool StartsWithOneOf(std::wstring_view line, std::wstring_view firsts) {
    return !line.empty() && firsts.find(line.front()) != std::wstring_view::npos;
}

bool FitsInt16(long long value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// The next white-space separated word from `pos`, as a "%s" scan reads it.
std::wstring_view NextWord(std::wstring_view s, std::size_t& pos) {
    while (pos < s.size() && IsSpace(s[pos])) {
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < s.size() && !IsSpace(s[pos])) {
        ++pos;
    }
    return s.substr(start, pos - start);
}

// Tokens of an arrival or hour line end at a space; the white space after that space is skipped.
std::wstring_view NextToken(std::wstring_view s, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < s.size() && s[pos] != L' ') {
        ++pos;
    }
    const std::size_t end = pos;
    if (pos < s.size()) {
        ++pos;
        while (pos < s.size() && IsSpace(s[pos])) {
            ++pos;
        }
    }
    return s.substr(start, end - start);
}

// The value of the digits `s` starts with, held at a bound beyond any time of day: the scan of
// every departure minute, kept simple because a large timetable has a hundred thousand.
long long LeadingDigits(std::wstring_view s) {
    constexpr long long kBound = 1'000'000'000;
    long long value = 0;
    for (std::size_t i = 0; i < s.size() && IsAsciiDigit(s[i]); ++i) {
        value = std::min(value * 10 + (s[i] - L'0'), kBound);
    }
    return value;
}

int IntOrZero(std::wstring_view s) {
    std::size_t pos = 0;
    return wtext::ScanInt(s, pos).value_or(0);
}

struct Content {
    std::wstring title = L"NoTitle";
    MarkLegend legend;
    std::vector<ArrivalStation> arrivals;
    std::vector<DaySection> sections;
};

// Examines the trimmed lines of a file one by one. The four blocks follow each other; the line
// that ends one block is examined again by the next.
class ContentReader {
public:
    explicit ContentReader(int dayChgHour) : dayChgHour_(dayChgHour) {}

    void Examine(std::wstring_view line);
    Content Finish();

private:
    enum class Block { Title, Legend, Arrivals, Sections };

    bool TitleLine(std::wstring_view line);
    void LegendLine(std::wstring_view line);
    void StationLine(std::wstring_view line);
    void StationToken(std::wstring_view token, ArrivalStation& station);
    void SectionLine(std::wstring_view line);
    void HeaderLine(std::wstring_view line);
    void CaptionLine(std::wstring_view line);
    void HourLine(std::wstring_view line);
    void ReserveDepartures(std::wstring_view tokens);
    void AddDeparture(std::wstring_view token, int hour);
    void CloseSection();

    int dayChgHour_;
    Block block_ = Block::Title;
    bool titleSeen_ = false;
    DaySection section_;
    Content content_;
};

void ContentReader::Examine(std::wstring_view line) {
    if (block_ == Block::Title && TitleLine(line)) {
        return;
    }
    if (line.empty() || line.front() == L';') {
        return;
    }
    if (block_ == Block::Legend) {
        if (!StartsWithOneOf(line, L"$[")) {
            LegendLine(line);
            return;
        }
        block_ = Block::Arrivals;
    }
    if (block_ == Block::Arrivals) {
        if (!StartsWithOneOf(line, L"[#")) {
            if (line.front() == L'$') {
                StationLine(line);
            }
            return;
        }
        block_ = Block::Sections;
    }
    SectionLine(line);
}

Content ContentReader::Finish() {
    if (block_ == Block::Sections) {
        CloseSection();
    }
    return std::move(content_);
}

bool ContentReader::TitleLine(std::wstring_view line) {
    if (line.empty() || line.front() != L';') {
        block_ = Block::Legend;
        return false;
    }
    if (!titleSeen_) {
        content_.title = wtext::Trim(line.substr(1));
        titleSeen_ = true;
    }
    return true;
}

// "mark:name;shortName", read the way the scan pattern "%[^:]:%[^;];%s" reads it: an empty
// name stops the scan, so the short name after it stays empty.
void ContentReader::LegendLine(std::wstring_view line) {
    const std::size_t colon = line.find(L':');
    if (colon == 0 || !wtext::IsAsciiLetter(line.front())) {
        return;
    }
    MarkLegendEntry entry;
    entry.mark = line.front();
    if (colon != std::wstring_view::npos) {
        const std::wstring_view rest = line.substr(colon + 1);
        const std::size_t semicolon = rest.find(L';');
        const std::wstring_view name = rest.substr(0, semicolon);
        entry.name = Cut(wtext::Trim(name), kFieldLimit);
        if (!name.empty() && semicolon != std::wstring_view::npos) {
            std::size_t pos = semicolon + 1;
            entry.shortName = Cut(NextWord(rest, pos), kFieldLimit);
        }
    }
    content_.legend[entry.mark] = std::move(entry);
}

void ContentReader::StationLine(std::wstring_view line) {
    const std::size_t colon = line.find(L':');
    if (colon == std::wstring_view::npos) {
        return;
    }
    ArrivalStation station;
    station.name = line.substr(1, colon - 1);
    const std::wstring_view tokens = wtext::Trim(line.substr(colon + 1));
    std::size_t pos = 0;
    while (pos < tokens.size()) {
        StationToken(NextToken(tokens, pos), station);
    }
    content_.arrivals.push_back(std::move(station));
}

void ContentReader::StationToken(std::wstring_view token, ArrivalStation& station) {
    if (token.empty()) {
        return;
    }
    const wchar_t first = token.front();
    if (first == L'+') {
        station.transferMinutes = IntOrZero(token.substr(1));
        return;
    }
    if (first == L'>') {
        station.target = token.substr(1);
        return;
    }
    TravelTime travel;
    long long minutes = 0;
    if (wtext::IsAsciiLetter(first)) {
        travel.mark = first;
        minutes = IntOrZero(token.substr(1, 5));
    } else {
        minutes = IntOrZero(token.substr(0, 6));
    }
    // A travel time the 16-bit field cannot hold would turn into a wrong arrival time.
    if (!FitsInt16(minutes)) {
        return;
    }
    travel.minutes = static_cast<std::int16_t>(minutes);
    station.travelTimes.push_back(travel);
}

void ContentReader::SectionLine(std::wstring_view line) {
    switch (line.front()) {
        case L'[':
            HeaderLine(line);
            break;
        case L'#':
            CaptionLine(line);
            break;
        default:
            HourLine(line);
            break;
    }
}

// "[SUN]" .. "[SAT]", "[HOL]" in any case; several may share one line.
void ContentReader::HeaderLine(std::wstring_view line) {
    static constexpr std::wstring_view kDayNames[] = {L"SUN", L"MON", L"TUE", L"WED",
                                                      L"THU", L"FRI", L"SAT", L"HOL"};
    if (section_.dayMask != 0) {
        CloseSection();
    }
    for (std::size_t i = line.find(L'['); i != std::wstring_view::npos;
         i = line.find(L'[', i + 1)) {
        if (line.size() - i <= 3) {
            break;
        }
        wchar_t name[3];
        for (std::size_t k = 0; k < 3; ++k) {
            name[k] = wtext::ToUpper(line[i + 1 + k]);
        }
        for (unsigned day = 0; day < 8; ++day) {
            if (kDayNames[day] == std::wstring_view(name, 3)) {
                section_.dayMask = static_cast<std::uint8_t>(section_.dayMask | (1u << day));
            }
        }
    }
}

void ContentReader::CaptionLine(std::wstring_view line) {
    std::size_t pos = 1;
    section_.caption1 = Cut(NextWord(line, pos), kFieldLimit);
    section_.caption2 = Cut(NextWord(line, pos), kFieldLimit);
}

void ContentReader::HourLine(std::wstring_view line) {
    const long long written = wtext::LeadingInt(line);
    const long long hour = written <= dayChgHour_ ? written + 24 : written;
    // An hour the 32 slots cannot hold is outside what the format describes: skip the line.
    if (hour < 0 || hour >= kHourSlots) {
        return;
    }
    const int slot = static_cast<int>(hour);
    section_.hourIndex[static_cast<std::size_t>(slot)] =
        static_cast<std::int32_t>(section_.departures.size());

    const std::size_t space = line.find(L' ');
    if (space == std::wstring_view::npos) {
        return;
    }
    std::size_t pos = space + 1;
    while (pos < line.size() && IsSpace(line[pos])) {
        ++pos;
    }
    ReserveDepartures(line.substr(pos));
    while (pos < line.size()) {
        AddDeparture(NextToken(line, pos), slot);
    }
}

// Room for one departure per token, growing the list geometrically as appending one by one does.
void ContentReader::ReserveDepartures(std::wstring_view tokens) {
    std::vector<Departure>& departures = section_.departures;
    const auto count = static_cast<std::size_t>(std::count(tokens.begin(), tokens.end(), L' ')) + 1;
    const std::size_t needed = std::min(departures.size() + count, kMaxSectionDepartures);
    if (needed > departures.capacity()) {
        departures.reserve(
            std::min(std::max(needed, 2 * departures.capacity()), kMaxSectionDepartures));
    }
}

// "05" or "ab05": the marks are everything before the first digit. A token without any digit
// names no time, so it yields no departure rather than a train at the full hour; a minute that
// takes the time out of the 16-bit range yields none rather than a wrapped time.
void ContentReader::AddDeparture(std::wstring_view token, int hour) {
    if (section_.departures.size() >= kMaxSectionDepartures) {
        return;
    }
    std::size_t digit = 0;
    while (digit < token.size() && !IsAsciiDigit(token[digit])) {
        ++digit;
    }
    if (digit == token.size()) {
        return;
    }
    const long long time = LeadingDigits(token.substr(digit)) + 60LL * hour;
    if (!FitsInt16(time)) {
        return;
    }
    Departure& departure = section_.departures.emplace_back();
    if (digit > 0) {
        departure.marks = Cut(token.substr(0, digit), kMarksLimit);
    }
    departure.time = static_cast<std::int16_t>(time);
}

void ContentReader::CloseSection() {
    if (!section_.departures.empty()) {
        if (section_.dayMask == 0) {
            section_.dayMask = kWeekdaysMask;
        }
        const auto earlier = [](const Departure& a, const Departure& b) { return a.time < b.time; };
        section_.inTimeOrder =
            std::is_sorted(section_.departures.begin(), section_.departures.end(), earlier);
        content_.sections.push_back(std::move(section_));
    }
    section_ = DaySection{};
}

}  // namespace

bool TimetableParser::Load(std::wstring_view path, Timetable& timetable) {
    std::string bytes;
    if (ReadRegularFile(path, bytes) != FileRead::Ok) {
        return false;
    }
    Parse(bytes, timetable);
    timetable.path = path;
    timetable.folder = FolderOf(path);
    return true;
}

void TimetableParser::Parse(std::string_view bytes, Timetable& timetable) const {
    ContentReader reader(settings_.dayChgHour);
    SJisLines lines(bytes);
    std::wstring line;
    while (lines.ReadString(line)) {
        reader.Examine(wtext::Trim(line));
    }
    Content content = reader.Finish();
    timetable.title = std::move(content.title);
    timetable.legend = std::move(content.legend);
    timetable.arrivals = std::move(content.arrivals);
    timetable.sections = std::move(content.sections);
    timetable.writtenInUtf8 = LooksLikeUtf8(bytes);
}

std::wstring TimetableParser::FolderOf(std::wstring_view path) {
    const std::size_t last = path.find_last_of(L"/\\");
    return last == std::wstring_view::npos ? std::wstring()
                                           : std::wstring(path.substr(0, last + 1));
}
