// SPDX-License-Identifier: GPL-3.0-or-later
// Imports one stop from a generated feed with millions of stop_times rows, once from a folder and
// once from a zip file, each in a child process of its own so that its peak memory is its own.
// Usage: bench_gtfs_import [ROWS] (default 5 000 000).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "gtfs/FeedImporter.h"
#include "gtfs/GtfsError.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRoutes = 100;
constexpr int kStopsPerTrip = 25;

// Routes of 25 stops each, trips in both directions all day on three services, and rows
// written trip after trip as feeds usually are.
void GenerateFeed(const fs::path& folder, long rows) {
    fs::create_directories(folder);
    std::FILE* stops = std::fopen((folder / "stops.txt").c_str(), "wb");
    std::FILE* routes = std::fopen((folder / "routes.txt").c_str(), "wb");
    std::fputs("stop_id,stop_name,stop_lat,stop_lon\n", stops);
    std::fputs("route_id,route_short_name,route_long_name,route_type\n", routes);
    for (int r = 0; r < kRoutes; ++r) {
        std::fprintf(routes, "R%d,線%d,,3\n", r, r);
        for (int s = 0; s < kStopsPerTrip; ++s) {
            std::fprintf(stops, "R%dS%d,停留所%d-%d,35.0,139.0\n", r, s, r, s);
        }
    }
    std::fclose(stops);
    std::fclose(routes);
    std::FILE* calendar = std::fopen((folder / "calendar.txt").c_str(), "wb");
    std::fputs(
        "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,start_date,end_date\n"
        "WD,1,1,1,1,1,0,0,20240101,20251231\nSA,0,0,0,0,0,1,0,20240101,20251231\n"
        "SU,0,0,0,0,0,0,1,20240101,20251231\n",
        calendar);
    std::fclose(calendar);

    const char* services[] = {"WD", "SA", "SU"};
    std::FILE* trips = std::fopen((folder / "trips.txt").c_str(), "wb");
    std::FILE* times = std::fopen((folder / "stop_times.txt").c_str(), "wb");
    std::fputs("route_id,service_id,trip_id,trip_headsign,direction_id\n", trips);
    std::fputs("trip_id,arrival_time,departure_time,stop_id,stop_sequence,pickup_type\n", times);
    std::mt19937 random(12);
    const long tripCount = rows / kStopsPerTrip;
    for (long t = 0; t < tripCount; ++t) {
        const long route = t % kRoutes;
        const long direction = (t / kRoutes) % 2;
        std::fprintf(trips, "R%ld,%s,T%ld,終点%ld,%ld\n", route, services[(t / (2 * kRoutes)) % 3],
                     t, direction, direction);
        int clock = 5 * 3600 + static_cast<int>(random() % (20 * 3600));
        for (int s = 0; s < kStopsPerTrip; ++s) {
            const int stop = direction == 0 ? s : kStopsPerTrip - 1 - s;
            std::fprintf(times, "T%ld,%02d:%02d:%02d,%02d:%02d:%02d,R%ldS%d,%d,0\n", t,
                         clock / 3600, clock / 60 % 60, clock % 60, clock / 3600, clock / 60 % 60,
                         clock % 60, route, stop, s + 1);
            clock += 90 + static_cast<int>(random() % 60);
        }
    }
    std::fclose(times);
    std::fclose(trips);
}

void ZipFolder(const fs::path& folder, const fs::path& file) {
    int error = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto& entry : fs::directory_iterator(folder)) {
        zip_source_t* source = zip_source_file(archive, entry.path().c_str(), 0, -1);
        zip_file_add(archive, entry.path().filename().c_str(), source, ZIP_FL_ENC_UTF_8);
    }
    zip_close(archive);
}

struct Measured {
    double seconds = 0;
    long peakKiB = 0;
    int status = 0;
};

// One import of the stop in the middle of route 7 in a child process.
Measured ImportInChild(const fs::path& feed, const fs::path& out) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        ImportRequest request;
        request.feed = feed;
        request.stop = "R7S12";
        request.start = std::chrono::sys_days(std::chrono::year(2024) / 4 / 22);
        request.out = out;
        try {
            ImportGtfs(request);
            _exit(0);
        } catch (const GtfsError& e) {
            std::fprintf(stderr, "%s\n", e.what());
            _exit(1);
        }
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Measured measured;
    measured.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measured.peakKiB = usage.ru_maxrss;
    measured.status = WIFEXITED(status) ? WEXITSTATUS(status) : 1;
    return measured;
}

}  // namespace

int main(int argc, char** argv) {
    const long rows = argc > 1 ? std::atol(argv[1]) : 5'000'000;
    const fs::path work =
        fs::temp_directory_path() / ("kovaris-bench-gtfs-" + std::to_string(getpid()));
    GenerateFeed(work / "feed", rows);
    ZipFolder(work / "feed", work / "feed.zip");
    std::printf("import-gtfs, one stop of a feed with %ld stop_times rows (%.0f MB)\n", rows,
                static_cast<double>(fs::file_size(work / "feed" / "stop_times.txt")) / 1e6);
    int failures = 0;
    for (const char* source : {"feed", "feed.zip"}) {
        const Measured m = ImportInChild(work / source, work / "out");
        std::printf("  %-9s %6.2f s  %10.0f rows/s  peak memory %6.1f MiB%s\n", source, m.seconds,
                    static_cast<double>(rows) / m.seconds, static_cast<double>(m.peakKiB) / 1024.0,
                    m.status == 0 ? "" : "  FAILED");
        failures += m.status != 0 ? 1 : 0;
    }
    fs::remove_all(work);
    return failures == 0 ? 0 : 1;
}
