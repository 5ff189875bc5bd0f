// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "GtfsImport.h"
#include "TestFiles.h"
#include "text/WideText.h"

namespace {

namespace fs = std::filesystem;

using gtfs_import::Import;
using gtfs_import::kFeeds;
using gtfs_import::ReadBack;

struct ExpectedFile {
    const char* why;
    std::string name;
    std::string caption;
};

// The files of the invented feed at 中央, busiest first (ties by caption).
const std::vector<ExpectedFile> kFiles = {
    {"two route_ids of one short name and direction", "さくら線_南台方面.TBL", "さくら線 南台方面"},
    {"one GTFS-JP parent route over the short names 10 and 10A", "10_北浜方面.TBL", "10 北浜方面"},
    {"letters with diacritics as base letters, in the file name as in the title",
     "Kauno_gatve_Norreport_Lodz方面.TBL", "Kauno gatve Norreport Lodz方面"},
    {"the other direction of both route_ids", "さくら線_北浜方面.TBL", "さくら線 北浜方面"},
    {"route_ids whose direction_ids disagree, joined by their next stop",
     "みなと線（北浜経由）_西町方面.TBL", "みなと線（北浜経由） 西町方面"},
    {"one name under two operators", "環状線（つばめバス）_港南方面.TBL",
     "環状線（つばめバス） 港南方面"},
    {"kept apart, as joining would take both directions of one route_id",
     "みなと線（港南経由）_西町方面.TBL", "みなと線（港南経由） 西町方面"},
    {"two parent routes of one short name, told apart by their long names (〜 as Shift-JIS "
     "reads it back)",
     "急行（中央～港南急行）_港南方面.TBL", "急行（中央～港南急行） 港南方面"},
    {"the other parent route", "急行（北浜～中央～港南急行）_港南方面.TBL",
     "急行（北浜～中央～港南急行） 港南方面"},
    {"the other operator", "環状線（かもめ鉄道）_港南方面.TBL", "環状線（かもめ鉄道） 港南方面"},
};

CliRun ImportGrouping(const fs::path& out) {
    return Import(kFeeds + "/grouping", out, {"--stop", "中央", "--date", "2024-04-22"});
}

// Field `field` (from 0) of each line, split at `separator`.
std::vector<std::string> Fields(const std::string& text, char separator, std::size_t field) {
    std::vector<std::string> fields;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < field && start != std::string::npos; ++i) {
            start = line.find(separator, start);
            start = start == std::string::npos ? start : start + 1;
        }
        fields.push_back(start == std::string::npos
                             ? ""
                             : line.substr(start, line.find(separator, start) - start));
    }
    return fields;
}

TEST(ImportGtfsGroupingTest, OneFilePerRouteAsRidersKnowItAndDirection) {
    TempDir dir;
    const fs::path out = dir.path() / "中央";
    const CliRun run = ImportGrouping(out);
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> names;
    for (const ExpectedFile& file : kFiles) {
        names.push_back(file.name);
        const std::string content = ReadBack(out / file.name);
        EXPECT_EQ(content.substr(0, content.find('\n')), "中央 " + file.caption) << file.why;
    }
    EXPECT_EQ(Fields(run.out, ':', 0), names);
    EXPECT_EQ(run.err.find("〓"), std::string::npos) << run.err;

    // Both route_ids' trips in one file; the marks, station names and section of the diacritics.
    EXPECT_EQ(ReadBack(out / kFiles[0].name),
              "中央 さくら線 南台方面\n"
              "a:南台行;南台\n"
              "b:港南行;港南\n"
              "$港南 a5 b5\n"
              "$南台 a10\n"
              "255 平日・土曜・日曜・祝日 南台方面: 06:00a 07:00a 08:00a 09:00b\n");
    EXPECT_EQ(ReadBack(out / kFiles[2].name),
              "中央 Kauno gatve Norreport Lodz方面\n"
              "a:Norreport Lodz行;Norrepor\n"
              "$Mullerstrasse a5\n"
              "$Norreport Lodz a10\n"
              "255 平日・土曜・日曜・祝日 NorreportLodz方面: 05:00a 23:00a\n");
}

TEST(ImportGtfsGroupingTest, TheDataRootsVektCfgOpensTheFilesByCaption) {
    TempDir root;
    WriteSJisFile(root.File(L"vekt.cfg"), L"; 時刻表\n");
    const fs::path out = root.path() / "中央";
    CliRun run = ImportGrouping(out);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string line = "/中央/import.cfg 中央";
    EXPECT_NE(run.err.find("kovaris import-gtfs: to list these files by caption in configuration "
                           "mode, add to " +
                           (fs::weakly_canonical(root.path()) / "vekt.cfg").string() + ": " + line +
                           "\n"),
              std::string::npos)
        << run.err;

    WriteSJisFile(root.File(L"vekt.cfg"), L"; 時刻表\n" + wtext::Utf8ToWide(line) + L"\n");
    TempDir settings;
    WriteBytes(settings.File(L"Kovaris.ini"), "");
    const CliRun catalogue = RunCli(
        {"catalogue", "--settings", wtext::WideToUtf8(settings.File(L"Kovaris.ini")), "--data-root",
         root.path().string(), "--cfg", "--at", "2024-04-22 09:00:00", "中央/import.cfg"});
    ASSERT_EQ(catalogue.status, 0) << catalogue.err;
    std::vector<std::string> captions;
    std::vector<std::string> targets;
    for (const ExpectedFile& file : kFiles) {
        captions.push_back(file.caption);
        targets.push_back(file.name);
    }
    EXPECT_EQ(Fields(catalogue.out, '\t', 1), targets);
    EXPECT_EQ(Fields(catalogue.out, '\t', 2), captions);
    for (const std::string& path : Fields(catalogue.out, '\t', 3)) {
        EXPECT_TRUE(fs::is_regular_file(path)) << path;
    }
    // The busiest file opens first.
    EXPECT_EQ(catalogue.out.substr(0, 8), "* Plain\t");

    // Once listed, a later import says no more of it.
    run = ImportGrouping(out);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("to list these files"), std::string::npos) << run.err;
}

}  // namespace
