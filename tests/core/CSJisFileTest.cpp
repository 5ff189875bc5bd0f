// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/CSJisFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"

namespace {

std::vector<std::wstring> ReadAllLines(const std::wstring& path) {
    CSJisFile file;
    EXPECT_TRUE(file.Open(path, CSJisFile::Mode::Read));
    std::vector<std::wstring> lines;
    std::wstring line;
    while (file.ReadString(line)) {
        lines.push_back(line);
    }
    return lines;
}

struct SplitCase {
    const char* name;
    std::string bytes;
    std::vector<std::wstring> lines;
};

TEST(CSJisFileTest, SplitsLinesAtEveryKindOfLineEnd) {
    const std::vector<SplitCase> cases = {
        {"empty file", "", {}},
        {"CR LF", "A\r\nB\r\n", {L"A", L"B"}},
        {"lone LF, no final end", "A\nB", {L"A", L"B"}},
        {"LF CR is one end", "A\n\rB", {L"A", L"B"}},
        {"CR CR LF is two ends", "A\r\r\nB", {L"A", L"", L"B"}},
        {"lone CR", "A\rB\r", {L"A", L"B"}},
        {"only a line end", "\r\n", {L""}},
        {"0xFF ends a line and is dropped",
         "A\xFF"
         "B",
         {L"A", L"B"}},
        {"NUL cuts the converted line", std::string("A\0B\n", 4), {L"A"}},
        {"Shift-JIS text", "\x93\xfa\x96\x7b\r\n\x81\x40x", {L"日本", L"　x"}},
        {"malformed byte gives a replacement", "\x81\r\nA\x85\x40", {L"\xFFFD", L"A\xFFFD@"}},
    };
    TempDir dir;
    for (const SplitCase& c : cases) {
        const std::wstring path = dir.File(L"f.txt");
        WriteBytes(path, c.bytes);
        EXPECT_EQ(ReadAllLines(path), c.lines) << c.name;
    }
}

TEST(CSJisFileTest, LineEndsAcrossTheBlockBoundaryAndLongLines) {
    TempDir dir;
    const std::wstring path = dir.File(L"f.txt");
    // CR at byte 1023, LF at byte 1024: one line end across two blocks.
    const std::string first(1023, 'x');
    const std::string longLine(5000, 'y');
    WriteBytes(path, first + "\r\n" + longLine + "\nend");
    const auto lines = ReadAllLines(path);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::wstring(1023, L'x'));
    EXPECT_EQ(lines[1], std::wstring(5000, L'y'));
    EXPECT_EQ(lines[2], L"end");
}

TEST(CSJisFileTest, EndOfFileLeavesTheCallersLineAlone) {
    TempDir dir;
    const std::wstring path = dir.File(L"f.txt");
    WriteBytes(path, "last\r\n");
    CSJisFile file;
    ASSERT_TRUE(file.Open(path, CSJisFile::Mode::Read));
    std::wstring line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(line, L"last");
}

TEST(CSJisFileTest, WritesShiftJisWithoutAddingAnything) {
    TempDir dir;
    const std::wstring path = dir.File(L"w.txt");
    {
        CSJisFile file;
        ASSERT_TRUE(file.Open(path, CSJisFile::Mode::Write));
        EXPECT_TRUE(WriteSJisString(L"", file));
        EXPECT_TRUE(WriteSJisString(L"日本=1\r\n", file));
        EXPECT_TRUE(WriteSJisString(L"\x4E02", file));  // no CP932 form: becomes "?"
    }
    EXPECT_EQ(ReadBytes(path), "\x93\xfa\x96\x7b=1\r\n?");
}

TEST(CSJisFileTest, OpenFailsForAMissingFile) {
    TempDir dir;
    CSJisFile file;
    EXPECT_FALSE(file.Open(dir.File(L"missing.txt"), CSJisFile::Mode::Read));
    std::wstring line = L"kept";
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(line, L"kept");
}

}  // namespace
