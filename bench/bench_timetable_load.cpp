// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

namespace {

constexpr int kSections = 8;
constexpr int kDeparturesPerSection = 12500;
constexpr int kDeparturesPerLine = 50;

// A large timetable of the usual shape: Japanese title, legend and notes, eight day sections of
// 12 500 departures each (100 000 in all), marks in letters and in kanji, hours past midnight.
std::string GenerateTimetable() {
    std::wstring text = L";港線 中央方面 (大きな時刻表)\r\n";
    text += L"a:快速 中央行;快速\r\nb:各駅停車;各停\r\nc:特急 港行;特急\r\nk:区間快速;区快\r\n";
    text += L"$港:+3 >港\\上り.tbl a12 b15 20\r\n$中央:+5 >中央.tbl a30 b41 c25 45\r\n";
    const wchar_t* const marks[] = {L"", L"a", L"b", L"ab", L"快", L"c", L"k", L"快特"};
    // A note after every hour line brings the file to about 2 MB, as large timetables are.
    std::wstring note = L";注記";
    for (int k = 0; k < 16; ++k) {
        note += L" この列車は平日のみ運転します。途中駅で待ち合わせ";
    }
    const wchar_t* const headers[] = {L"[MON][TUE][WED][THU][FRI]", L"[SAT]", L"[SUN][HOL]"};
    int serial = 0;
    for (int s = 0; s < kSections; ++s) {
        text += std::wstring(headers[s % 3]) + L"\r\n#平日 上り\r\n";
        for (int line = 0; line < kDeparturesPerSection / kDeparturesPerLine; ++line) {
            const int hour = (5 + line * 21 / (kDeparturesPerSection / kDeparturesPerLine)) % 24;
            text += std::to_wstring(hour);
            for (int d = 0; d < kDeparturesPerLine; ++d, ++serial) {
                text += L" " + std::wstring(marks[serial % 8]) + wtext::ZeroPad(serial % 60, 2);
            }
            text += L"\r\n" + note + L"\r\n";
        }
    }
    return ToSJis(text);
}

struct GeneratedFile {
    GeneratedFile() : bytes(GenerateTimetable()) {
        path = std::filesystem::temp_directory_path() /
               ("kovaris-bench-" + std::to_string(getpid()) + ".tbl");
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~GeneratedFile() {
        std::error_code ec;
        std::filesystem::remove(path, ec);
    }
    std::string bytes;
    std::filesystem::path path;
};

const GeneratedFile& File() {
    static const GeneratedFile file;
    return file;
}

void BM_LoadTimetable(benchmark::State& state) {
    const GeneratedFile& file = File();
    AppSettings settings;
    const ColorTable colors;
    const HolidayCalendar holidays;
    Timetable timetable(settings, colors, holidays);
    const std::wstring path = wtext::Utf8ToWide(file.path.string());
    for (auto _ : state) {
        benchmark::DoNotOptimize(timetable.LoadTimetable(path));
    }
    std::size_t departures = 0;
    for (const DaySection& section : timetable.sections) {
        departures += section.departures.size();
    }
    state.counters["departures"] = static_cast<double>(departures);
    state.counters["fileBytes"] = static_cast<double>(file.bytes.size());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.bytes.size()));
}
BENCHMARK(BM_LoadTimetable)->Unit(benchmark::kMillisecond);

// The floor: converting the same bytes from CP932 in one piece, without reading or parsing.
void BM_ToWideOfTheSameBytes(benchmark::State& state) {
    const GeneratedFile& file = File();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ToWide(file.bytes));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.bytes.size()));
}
BENCHMARK(BM_ToWideOfTheSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
