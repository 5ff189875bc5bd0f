// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "GtfsImport.h"
#include "TestFiles.h"
#include "files/FileKey.h"
#include "text/WideText.h"

namespace {

namespace fs = std::filesystem;

using gtfs_import::Import;
using gtfs_import::kFeeds;

const std::string kRail = kFeeds + "/rail";
const std::string kSouthbound = "さくら線_南台方面.TBL";
const std::string kNorthbound = "さくら線_北浜方面.TBL";
const std::string kHarbourNorth = "臨港線_北浜方面.TBL";
const std::string kHarbourSouth = "臨港線_港南方面.TBL";

using Snapshot = std::map<std::string, std::string>;

// Every entry of the folder, hidden ones too: a file's bytes, where a link points, or a folder.
Snapshot Take(const fs::path& folder) {
    Snapshot entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_symlink()) {
            entries[name] = "link to " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            entries[name] = "folder";
        } else {
            entries[name] = ReadBytes(wtext::Utf8ToWide(entry.path().string()));
        }
    }
    return entries;
}

// The lines of the error output about files of the folder, apart from the other warnings.
std::string FolderLines(const std::string& err) {
    std::istringstream lines(err);
    std::string text;
    for (std::string line; std::getline(lines, line);) {
        if (line.find(".TBL") != std::string::npos) {
            text += line + "\n";
        }
    }
    return text;
}

void Write(const fs::path& file, const std::string& bytes) {
    WriteBytes(wtext::Utf8ToWide(file.string()), bytes);
}

std::vector<std::string> With(std::vector<std::string> args, const std::string& more) {
    args.push_back(more);
    return args;
}

TEST(ImportGtfsReimportTest, ALaterImportKeepsWhatTheUserChangedAndChangesAllOrNothing) {
    TempDir dir;
    const std::vector<std::string> atCentral = {"--stop", "中央", "--date", "2024-04-22"};
    const std::vector<std::string> atKonan = {"--stop", "港南", "--date", "2024-04-22"};
    ASSERT_EQ(Import(kRail, dir.path() / "central", atCentral).status, 0);
    ASSERT_EQ(Import(kRail, dir.path() / "konan", atKonan).status, 0);
    const Snapshot central = Take(dir.path() / "central");
    const Snapshot konan = Take(dir.path() / "konan");
    ASSERT_EQ(central.size(), 6u);  // four timetables, import.cfg and the manifest
    ASSERT_EQ(konan.size(), 4u);    // only the さくら線 serves 港南

    const fs::path out = dir.path() / "out";
    const CliRun first = Import(kRail, out, atCentral);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(Take(out), central);

    // An edited file stays, and stays known as edited: the second run must not take the edit
    // for the import's own.
    const std::string edited = central.at(kSouthbound) + "; 手で直した\r\n";
    Write(out / kSouthbound, edited);
    Snapshot expected = central;
    expected[kSouthbound] = edited;
    for (int run = 1; run <= 2; ++run) {
        const CliRun kept = Import(kRail, out, atCentral);
        EXPECT_EQ(kept.status, 0) << kept.err;
        EXPECT_EQ(kept.out, first.out) << "run " << run;
        EXPECT_EQ(FolderLines(kept.err),
                  "kovaris import-gtfs: warning: さくら線_南台方面.TBL was edited since the last "
                  "import and is kept; --force replaces it\n")
            << "run " << run;
        EXPECT_EQ(Take(out), expected) << "run " << run;
    }

    const CliRun forced = Import(kRail, out, With(atCentral, "--force"));
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(FolderLines(forced.err), "");
    EXPECT_EQ(Take(out), central);

    // 港南 is served by one route only: the other route's files are no longer written.
    Write(out / kHarbourNorth, "a file of the user's\r\n");
    const CliRun fewer = Import(kRail, out, atKonan);
    EXPECT_EQ(fewer.status, 0) << fewer.err;
    EXPECT_EQ(FolderLines(fewer.err),
              "kovaris import-gtfs: 臨港線_港南方面.TBL is no longer written and was removed\n"
              "kovaris import-gtfs: warning: 臨港線_北浜方面.TBL is no longer written but was "
              "edited since the last import; it is kept\n");
    expected = konan;
    expected[kHarbourNorth] = "a file of the user's\r\n";
    EXPECT_EQ(Take(out), expected);

    // Links planted where a temporary file was once named and at a name the import writes are
    // never written through, and do not block the import; nor does a manifest lead outside.
    const fs::path victim = dir.path() / "victim.TBL";
    Write(victim, "not to be written over");
    Write(out / ".import-manifest",
          ReadBytes(wtext::Utf8ToWide((out / ".import-manifest").string())) +
              Digest("not to be written over") + " ../victim.TBL\n");
    fs::create_symlink(victim, out / ("." + kSouthbound + ".tmp"));
    fs::create_symlink(victim, out / kHarbourSouth);
    const CliRun linked = Import(kRail, out, atCentral);
    EXPECT_EQ(linked.status, 0) << linked.err;
    EXPECT_EQ(FolderLines(linked.err),
              "kovaris import-gtfs: warning: 臨港線_北浜方面.TBL was not written by an earlier "
              "import and is kept; --force replaces it\n"
              "kovaris import-gtfs: warning: 臨港線_港南方面.TBL was not written by an earlier "
              "import and is kept; --force replaces it\n");
    const CliRun overLinks = Import(kRail, out, With(atCentral, "--force"));
    EXPECT_EQ(overLinks.status, 0) << overLinks.err;
    expected = central;
    expected["." + kSouthbound + ".tmp"] = "link to " + victim.string();
    EXPECT_EQ(Take(out), expected);
    EXPECT_EQ(ReadBytes(wtext::Utf8ToWide(victim.string())), "not to be written over");

    // The last file cannot take its name (a folder is in the way, which stops the superuser
    // too): the three edited files replaced before it get their edits back.
    for (const std::string& name : {kSouthbound, kNorthbound, kHarbourNorth}) {
        Write(out / name, "edited by hand: " + name + "\r\n");
    }
    fs::remove(out / kHarbourSouth);
    fs::create_directory(out / kHarbourSouth);
    const Snapshot before = Take(out);
    const CliRun failed = Import(kRail, out, With(atCentral, "--force"));
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "kovaris import-gtfs: " + (out / kHarbourSouth).string() +
                              ": a folder of that name is in the way; nothing was changed\n");
    EXPECT_EQ(Take(out), before);
}

}  // namespace
