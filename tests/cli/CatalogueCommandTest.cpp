// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "TestFiles.h"

namespace {

CliRun Catalogue(std::vector<std::string> args) {
    static TempDir settingsDir;  // an empty settings file, so ./Kovaris.ini plays no part
    WriteBytes(settingsDir.File(L"Kovaris.ini"), "");
    args.insert(args.begin(),
                {"catalogue", "--settings", wtext::WideToUtf8(settingsDir.File(L"Kovaris.ini"))});
    return RunCli(std::move(args));
}

const std::string kDemo = std::string(KOVARIS_DEMO_DATA) + "/";

TEST(CatalogueCommandTest, DemoLevelsInBothModes) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"directory mode lists folders, boards and timetables by name",
         {"--at", "2026-12-08 09:00:00"},
         "  Node\tshiomi\t＞ shiomi\t" + kDemo +
             "shiomi\n"
             "* Plain\twakaba.BRD\twakaba.BRD\t" +
             kDemo +
             "wakaba.BRD\n"
             "  Plain\twakaba_down.TBL\twakaba_down.TBL\t" +
             kDemo +
             "wakaba_down.TBL\n"
             "  Plain\twakaba_up.TBL\twakaba_up.TBL\t" +
             kDemo + "wakaba_up.TBL\n"},
        {"morning default, at a moment written as the board and the window take it too",
         {"--cfg", "--at", "2026-12-08T11:59"},
         "* Morning\twakaba_up.TBL\t若葉台 桜川中央方面\t" + kDemo +
             "wakaba_up.TBL\n"
             "  Afternoon\twakaba_down.TBL\t若葉台 北浜方面\t" +
             kDemo +
             "wakaba_down.TBL\n"
             "  Node\tshiomi\\shiomi.cfg\t＞ 潮見線 東雲橋\t" +
             kDemo +
             "shiomi/shiomi.cfg\n"
             "  Plain\twakaba.BRD\t若葉台 全方面 (上り・下り)\t" +
             kDemo + "wakaba.BRD\n"},
        {"after midnight is still the afternoon",
         {"--cfg", "--at", "2026-12-09 00:30:00"},
         "  Morning\twakaba_up.TBL\t若葉台 桜川中央方面\t" + kDemo +
             "wakaba_up.TBL\n"
             "* Afternoon\twakaba_down.TBL\t若葉台 北浜方面\t" +
             kDemo +
             "wakaba_down.TBL\n"
             "  Node\tshiomi\\shiomi.cfg\t＞ 潮見線 東雲橋\t" +
             kDemo +
             "shiomi/shiomi.cfg\n"
             "  Plain\twakaba.BRD\t若葉台 全方面 (上り・下り)\t" +
             kDemo + "wakaba.BRD\n"},
        {"sub-level named with either separator, a root-relative entry",
         {"--cfg", "--at", "2026-12-08 09:00:00", "Shiomi/SHIOMI.cfg"},
         "* Preferred\tshinonome_east.TBL\t東雲橋 潮見埠頭方面\t" + kDemo +
             "shiomi/shinonome_east.TBL\n"
             "  Plain\tshinonome_west.TBL\t東雲橋 山手台方面\t" +
             kDemo +
             "shiomi/shinonome_west.TBL\n"
             "  Plain\t\\wakaba_up.TBL\t若葉台 桜川中央方面 (桜川線)\t" +
             kDemo + "wakaba_up.TBL\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--data-root", kDemo};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = Catalogue(args);
        EXPECT_EQ(run.status, 0) << c.name << run.err;
        EXPECT_EQ(run.out, c.expected) << c.name;
    }
}

TEST(CatalogueCommandTest, LevelsThatCannotBeShown) {
    TempDir empty;
    const std::string root = wtext::WideToUtf8(empty.Root());
    CliRun run = Catalogue({"--data-root", root, "--cfg"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "環境ファイルの読み込みに失敗しました\n" + root + "vekt.cfg\n");

    run = Catalogue({"--data-root", root});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ディレクトリ下にTBLファイルがありません\n" + root + "\n");

    run = Catalogue({"--data-root", kDemo, "--cfg", "wakaba_up.TBL"});
    EXPECT_EQ(run.status, 1) << "a timetable is no sub-level";
    EXPECT_NE(run.err.find("wakaba_up.TBL"), std::string::npos);
}

}  // namespace
