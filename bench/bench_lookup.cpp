// SPDX-License-Identifier: GPL-3.0-or-later
// One refresh of the departure list: the next-departure search over a long section, then the
// row info and row text of every visible row. The list does this ten times a second, on one
// timetable or on a board joining many.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "board/RowText.h"
#include "settings/AppSettings.h"
#include "settings/ColorTable.h"
#include "timetable/BoardTimetable.h"
#include "timetable/HolidayCalendar.h"
#include "timetable/Timetable.h"

namespace {

// Counts every allocation of the process, so a benchmark can report the ones of its loop.
std::size_t gAllocations = 0;

constexpr int kDepartures = 2000;
constexpr int kVisibleRows = 40;
constexpr int kBoardMembers = 16;

// One line's timetable: 05:00 to 26:59 from `offset` minutes on, a little more than one
// departure every 40 seconds.
void FillLine(Timetable& table, int offset) {
    table.legend[L'a'] = {L'a', L"Rapid Central", L"Rapid"};
    table.legend[L'b'] = {L'b', L"Local", L"Local"};
    table.legend[L'c'] = {L'c', L"Express", L""};
    DaySection section;
    section.dayMask = 0x7F;
    const wchar_t* const marks[] = {L"", L"a", L"b", L"ab", L"cb"};
    for (int i = 0; i < kDepartures; ++i) {
        const int time = 300 + offset + i * (27 * 60 - 300) / kDepartures;
        if (section.hourIndex[static_cast<std::size_t>(time / 60)] < 0) {
            section.hourIndex[static_cast<std::size_t>(time / 60)] = static_cast<std::int32_t>(i);
        }
        section.departures.push_back({marks[i % 5], static_cast<std::int16_t>(time)});
    }
    section.inTimeOrder = true;  // as the parser marks a file whose hours run in order
    table.sections.push_back(section);
}

struct Fixture {
    explicit Fixture(int members = 0) {
        settings.dayChgHour = 2;
        colors.Set(L"Rapid Central", 0x0000FF);
        colors.Set(L"Local", 0xFF0000);
        if (members == 0) {
            FillLine(table, 0);
            return;
        }
        // A board of `members` such lines, each a minute after the one before.
        for (int m = 0; m < members; ++m) {
            auto line = std::make_shared<Timetable>(settings, colors, holidays);
            FillLine(*line, m);
            table.members.push_back({L"Line " + std::to_wstring(m), std::move(line)});
        }
        table.sections = JoinMemberSections(table.members);
    }

    AppSettings settings;
    ColorTable colors;
    HolidayCalendar holidays;
    Timetable table{settings, colors, holidays};
    // Mid-afternoon: the next departure lies halfway down the section.
    Moment now = Moment::FromFields(2026, 12, 7, 15, 59, 30);
};

void BM_FindNextDeparture(benchmark::State& state) {
    Fixture f;
    const std::size_t before = gAllocations;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.table.FindNextDeparture(f.now, false));
    }
    state.counters["allocs_per_call"] = benchmark::Counter(
        static_cast<double>(gAllocations - before) / static_cast<double>(state.iterations()));
    state.counters["next"] = f.table.nextIndex;
}
BENCHMARK(BM_FindNextDeparture);

// Arg 0: one timetable; otherwise a board of that many timetables of the same size.
void BM_Refresh(benchmark::State& state) {
    Fixture f(static_cast<int>(state.range(0)));
    RowInfo row;
    std::wstring text;
    std::size_t searchAllocations = 0;
    const std::size_t start = gAllocations;
    for (auto _ : state) {
        const std::size_t before = gAllocations;
        const int next = f.table.FindNextDeparture(f.now, false);
        searchAllocations += gAllocations - before;
        for (int i = next; i < next + kVisibleRows; ++i) {
            row.color = 0;
            if (f.table.GetRowInfo(i, row)) {
                BuildRowText(text, row, f.settings, f.table.words());
            }
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.counters["search_allocs"] = benchmark::Counter(static_cast<double>(searchAllocations));
    // The row strings are reused, so after the first refresh the rows allocate nothing either.
    state.counters["allocs_per_refresh"] = benchmark::Counter(
        static_cast<double>(gAllocations - start) / static_cast<double>(state.iterations()));
    state.counters["rows"] = kVisibleRows;
}
BENCHMARK(BM_Refresh)->ArgName("members")->Arg(0)->Arg(kBoardMembers);

}  // namespace

// GCC sees the pair of malloc and free through the replaced operators and warns of a mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    ++gAllocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

BENCHMARK_MAIN();
