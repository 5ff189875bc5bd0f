// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ColorTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace {

using Entries = std::map<std::wstring, ColorRef, std::less<>>;

struct LoadCase {
    const char* name;
    std::wstring file;
    Entries expected;
};

TEST(ColorTableTest, LoadReadsNameAndComponents) {
    const std::wstring longName(100000, L'色');
    const std::vector<LoadCase> cases = {
        {"name trimmed, pure red", L"  快速 \t=255,0,0\n", {{L"快速", 255}}},
        {"components in their bytes", L"a=1,2,3\n", {{L"a", 0x030201}}},
        {"above 255 wraps", L"a=256,300,511\n", {{L"a", 0xFF2C00}}},
        {"negative gives its low byte", L"a=-5,0,-1\n", {{L"a", 0xFF00FB}}},
        {"blanks before numbers", L"a= 1, 2, 3\n", {{L"a", 0x030201}}},
        {"later line wins", L"a=1,1,1\nb=2,2,2\na=9,9,9\n", {{L"a", 0x090909}, {L"b", 0x020202}}},
        {"incomplete lines skipped",
         L"no equals\na=1,2\nb=1,2,\nc=x,1,2\nd=1 ,2,3\n=1,2,3\n  =1,2,3\ne=4,5,6\n",
         {{L"e", 0x060504}}},
        {"incomplete line does not erase an entry", L"a=1,2,3\na=4\n", {{L"a", 0x030201}}},
        {"trailing text ignored", L"a=1,2,3 red\n", {{L"a", 0x030201}}},
        {"name cut at 129", longName + L"=1,2,3\n", {{std::wstring(129, L'色'), 0x030201}}},
        {"huge number saturates", L"a=99999999999,0,0\n", {{L"a", 0xFF}}},
    };
    for (const LoadCase& c : cases) {
        TempDir dir;
        WriteSJisFile(dir.File(L"color.ini"), c.file);
        ColorTable table;
        table.Set(L"stale", 1);
        table.Load(dir.File(L"color.ini"));
        EXPECT_EQ(table.Entries(), c.expected) << c.name;
    }
}

TEST(ColorTableTest, MissingFileEmptiesTheTable) {
    TempDir dir;
    ColorTable table;
    table.Set(L"stale", 1);
    table.Load(dir.File(L"color.ini"));
    EXPECT_TRUE(table.Entries().empty());
    EXPECT_FALSE(table.Find(L"stale"));
}

TEST(ColorTableTest, SaveWritesSortedLinesThatLoadBack) {
    TempDir dir;
    WriteSJisFile(dir.File(L"color.ini"), L"Ａ=7,8,9\n普通=0,0,255\nB=1,2,3\na=300,0,0\nB=4,5,6\n");
    ColorTable table;
    table.Load(dir.File(L"color.ini"));
    ASSERT_TRUE(table.Save(dir.File(L"color.ini")));
    // Code-unit order: "B" (0x42), "a" (0x61), "普" (0x666E), "Ａ" (0xFF21); not Shift-JIS byte
    // order.
    EXPECT_EQ(ReadBytes(dir.File(L"color.ini")),
              ToSJis(L"B=4,5,6\r\na=44,0,0\r\n普通=0,0,255\r\nＡ=7,8,9\r\n"));
    EXPECT_EQ(table.Find(L"普通"), ColorRef{0xFF0000});
    EXPECT_FALSE(table.Find(L"普"));
}

// A colour list marked read-only stays as it is.
TEST(ColorTableTest, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    const std::string old = "a=1,2,3\r\n";
    WriteBytes(dir.File(L"color.ini"), old);
    std::filesystem::permissions(dir.path() / "color.ini", std::filesystem::perms::owner_read);
    ColorTable table;
    table.Set(L"b", 4);
    EXPECT_FALSE(table.Save(dir.File(L"color.ini")));
    EXPECT_EQ(ReadBytes(dir.File(L"color.ini")), old);
}

}  // namespace
