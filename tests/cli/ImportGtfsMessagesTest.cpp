// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "GtfsImport.h"
#include "TestFiles.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"

namespace {

namespace fs = std::filesystem;

using gtfs_import::Import;
using gtfs_import::kFeeds;

const std::string kStopsHeader =
    "stop_id,stop_name,stop_lat,stop_lon,location_type,parent_station\n";
const std::string kMiB(std::size_t{1} << 20, 'x');

// UTF-16 of ASCII text: each letter followed (little-endian) or preceded by a NUL byte.
std::string Utf16(std::string_view ascii, bool littleEndian) {
    std::string wide;
    for (const char c : ascii) {
        wide += littleEndian ? std::string{c, '\0'} : std::string{'\0', c};
    }
    return wide;
}

// A feed's faults and the one line that names each; the feed is the invented one with some
// files replaced. Large inputs are made here rather than kept in the repository.
TEST(ImportGtfsMessagesTest, EachHostileFeedGetsOneLineAndNothingIsWritten) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> files;  // replaced or added in a copy of the feed
        std::string date;
        std::string error;
        std::string feed = kFeeds + "/rail";
    };
    const std::string feedInfoHeader =
        "feed_publisher_name,feed_publisher_url,feed_lang,feed_start_date,feed_end_date\n";
    const std::vector<Case> cases = {
        {"an expired feed, by its feed_info.txt",
         {{"feed_info.txt",
           feedInfoHeader + "かもめ鉄道,https://example.invalid/,ja,20240401,20240930\n"}},
         "2030-01-07",
         "no trips leave \"中央\" in the week from 2030-01-07: the feed serves 2024-04-01 to "
         "2024-09-30; try --date 2024-09-24"},
        {"a feed not yet valid, its last day added by calendar_dates.txt",
         {{"calendar_dates.txt", "service_id,date,exception_type\nSU,20250105,1\n"}},
         "2023-06-05",
         "no trips leave \"中央\" in the week from 2023-06-05: the feed serves 2024-01-01 to "
         "2025-01-05; try --date 2024-01-01"},
        {"a week within feed_info.txt's dates but past the calendar",
         {{"feed_info.txt",
           feedInfoHeader + "かもめ鉄道,https://example.invalid/,ja,20240101,20251231\n"}},
         "2025-03-03",
         "no trips leave \"中央\" in the week from 2025-03-03"},
        {"a zip file of two feeds",
         {},
         "2024-04-22",
         kFeeds + "/two-feeds.zip holds several feeds (stops.txt in bus/ and tram/); unpack it "
                  "and import one of its folders",
         kFeeds + "/two-feeds.zip"},
        {"UTF-16 with a byte-order mark",
         {{"stops.txt", "\xFF\xFE" + Utf16(kStopsHeader + "ST2,Chuo,35.1,139.1,1,\n", true)}},
         "2024-04-22",
         "stops.txt: not UTF-8 (it looks like UTF-16); save it as UTF-8"},
        {"UTF-16 without one",
         {{"stops.txt", Utf16(kStopsHeader + "ST2,Chuo,35.1,139.1,1,\n", false)}},
         "2024-04-22",
         "stops.txt: not UTF-8 (it looks like UTF-16); save it as UTF-8"},
        {"Shift-JIS",
         {{"stops.txt",
           kStopsHeader + "S1,north,35.0,139.0,0,\n" + ToSJis(L"ST2,中央,35.1,139.1,1,\n")}},
         "2024-04-22",
         "stops.txt, line 3, column stop_name: not UTF-8 (it looks like Shift-JIS); save it as "
         "UTF-8"},
        {"text after a closing quote",
         {{"stops.txt", kStopsHeader + "S1,北浜,35.0,139.0,0,\nST2,\"中央\"駅,35.1,139.1,1,\n"}},
         "2024-04-22",
         "stops.txt, line 3, column stop_name: the quoted field that begins here goes on after "
         "its closing quote (a quote inside a quoted field is written \"\")"},
        {"a quote never closed",
         {{"stops.txt",
           kStopsHeader +
               "S1,北浜,35.0,139.0,0,\nST2,\"中央,35.1,139.1,1,\nS3,港南,35.2,139.2,0,\n"}},
         "2024-04-22",
         "stops.txt, line 3, column stop_name: the quoted field that begins here is never closed"},
        {"a quote never closed in a large file",
         {{"stops.txt", kStopsHeader + "S1,北浜,35.0,139.0,0,\nST2,\"中央,35.1,139.1,1,\n" + kMiB +
                            "\n" + kMiB}},
         "2024-04-22",
         "stops.txt, line 3, column stop_name: a field over 1 MiB begins here: is its closing "
         "quote missing?"},
        {"a stop name of two MiB",
         {{"stops.txt", kStopsHeader + "ST2," + kMiB + kMiB + ",35.1,139.1,1,\n"}},
         "2024-04-22",
         "stops.txt, line 2, column stop_name: a field over 1 MiB"},
        {"a line of two MiB in short fields",
         {{"stops.txt", kStopsHeader +
                            [] {
                                std::string line;
                                while (line.size() < 2 * kMiB.size()) {
                                    line += "ST2,中央,";
                                }
                                return line;
                            }()}},
         "2024-04-22",
         "stops.txt, line 2: a line over 1 MiB"},
        {"nothing but line ends",
         {{"stops.txt", "\r\r\n"}},
         "2024-04-22",
         "stops.txt is empty: it needs a header line"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        std::string feed = c.feed;
        if (!c.files.empty()) {
            feed = (dir.path() / "feed").string();
            fs::copy(c.feed, feed);
            for (const auto& [name, bytes] : c.files) {
                WriteBytes(wtext::Utf8ToWide(feed + "/" + name), bytes);
            }
        }
        const CliRun run = Import(feed, dir.path() / "out", {"--stop", "中央", "--date", c.date});
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_EQ(run.err, "kovaris import-gtfs: " + c.error + "\n") << c.name;
        EXPECT_EQ(run.out, "") << c.name;
        EXPECT_FALSE(fs::exists(dir.path() / "out")) << c.name;
    }
}

}  // namespace
