// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/EncodingCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"

namespace {

std::string Utf8(std::wstring_view text) {
    return wtext::WideToUtf8(text);
}

// The demo data is real Shift-JIS text; saved again by a Linux editor it is UTF-8. Each file is
// judged whole and line by line, as short files are the ones both readings may accept.
TEST(EncodingCheckTest, DemoFilesAndEachOfTheirLinesBothWays) {
    int lines = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(KOVARIS_DEMO_DATA)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::string name = entry.path().filename().string();
        const std::string sjis = ReadBytes(wtext::Utf8ToWide(entry.path().string()));
        const std::string utf8 = Utf8(ToWide(sjis));
        EXPECT_FALSE(LooksLikeUtf8(sjis)) << name;
        EXPECT_TRUE(LooksLikeUtf8(utf8)) << name;
        EXPECT_TRUE(LooksLikeUtf8("\xEF\xBB\xBF" + utf8)) << name << " with a byte order mark";
        std::size_t start = 0;
        while (start < sjis.size()) {
            const std::size_t end = std::min(sjis.find('\n', start), sjis.size());
            const std::string line = sjis.substr(start, end - start);
            start = end + 1;
            if (Utf8(ToWide(line)) == line) {
                continue;  // ASCII
            }
            ++lines;
            EXPECT_FALSE(LooksLikeUtf8(line)) << name << ": " << Utf8(ToWide(line));
            EXPECT_TRUE(LooksLikeUtf8(Utf8(ToWide(line)))) << name << ": " << Utf8(ToWide(line));
        }
    }
    EXPECT_GE(lines, 50);
}

// Lines a timetable file holds, each both ways, and the byte strings both readings accept.
TEST(EncodingCheckTest, TellsTheTwoReadingsApartLineByLine) {
    struct Case {
        const char* name;
        std::string bytes;
        bool utf8;
    };
    const std::vector<std::wstring> lines = {
        L"[桜川線 若葉台駅 桜川中央方面]", L"快=快速 各=各駅停車", L"駅",   L"あ",
        L"08: 05快 12各 20 35快",          L"東京～大阪 ①②",       L"祝日", L"ｶｲｿｸ ﾃﾞﾝｼｬ",
    };
    std::vector<Case> cases = {
        {"ASCII reads the same both ways", "08: 05 12 20\r\n", false},
        {"empty", "", false},
        {"a byte order mark before ASCII", "\xEF\xBB\xBF[TITLE]\r\n", true},
        // Halfwidth katakana of Shift-JIS that happen to pair as "ò": the files' format wins.
        {"Shift-JIS halfwidth pair", "\xC3\xB2\r\n", false},
        {"UTF-8 Latin letters alone stay Shift-JIS", "Caf\xC3\xA9\r\n", false},
        {"UTF-8 cut inside a character", "\xE6\x9D", false},
        {"UTF-8 kana, no line end", "\xE3\x81\x82\xE3\x81\x84", true},
        {"a surrogate is not UTF-8", "\xED\xA0\x80\xE3\x81\x82", false},
    };
    for (const std::wstring& line : lines) {
        const std::wstring text = line + L"\r\n";
        cases.push_back({"Shift-JIS line", *ToSJisStrict(text), false});
        cases.push_back({"UTF-8 line", Utf8(text), true});
    }
    for (const Case& c : cases) {
        EXPECT_EQ(LooksLikeUtf8(c.bytes), c.utf8) << c.name << ": " << Utf8(ToWide(c.bytes));
    }
}

}  // namespace
