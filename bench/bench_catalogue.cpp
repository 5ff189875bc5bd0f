// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "catalogue/DataStore.h"
#include "catalogue/RouteConfig.h"
#include "settings/AppSettings.h"
#include "text/WideText.h"

namespace {

namespace fs = std::filesystem;

// A scratch data root for the whole run.
class Scratch {
public:
    Scratch() {
        std::random_device rd;
        root_ = fs::temp_directory_path() / ("kovaris-bench-" + std::to_string(rd()));
        fs::create_directories(root_ / "level");
        for (int i = 0; i < 5000; ++i) {
            if (i % 10 == 0) {
                fs::create_directories(root_ / "level" / ("Dir" + std::to_string(i)));
            } else {
                std::ofstream(root_ / "level" / ("Line" + std::to_string(i) + ".TBL"));
            }
        }
        std::ofstream cfg(root_ / "vekt.cfg", std::ios::binary);
        for (int i = 0; i < 5000; ++i) {
            const char* prefix = i % 4 == 0 ? "A>" : i % 4 == 1 ? "P>" : i % 4 == 2 ? "/" : "";
            cfg << prefix << "line" << i << ".TBL  : \x89\x77\x96\xbc " << i << "\r\n";
        }
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::wstring Root() const { return wtext::Utf8ToWide(root_.string()) + L"/"; }

private:
    fs::path root_;
};

const Scratch& TheScratch() {
    static const Scratch scratch;
    return scratch;
}

void BM_ScanDirectoryOf5000(benchmark::State& state) {
    AppSettings settings;
    settings.dataPath = TheScratch().Root();
    DataStore store(settings);
    const std::wstring dir = settings.dataPath + L"level/";
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.ScanDirectory(dir));
    }
}
BENCHMARK(BM_ScanDirectoryOf5000)->Unit(benchmark::kMillisecond);

void BM_ParseRouteConfigOf5000Lines(benchmark::State& state) {
    const std::wstring path = TheScratch().Root() + L"vekt.cfg";
    std::vector<CatalogueEntry> entries;
    HolidayCalendar holidays;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseRouteConfig(path, entries, holidays));
    }
}
BENCHMARK(BM_ParseRouteConfigOf5000Lines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
