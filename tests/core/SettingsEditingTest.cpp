// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/AppSettings.h"
#include "settings/ColorChoice.h"
#include "settings/ColorText.h"
#include "settings/IntField.h"
#include "settings/ShortcutTable.h"
#include "text/WideText.h"

namespace {

TEST(SettingsEditingTest, ShortcutRowsShowTheCodeInHexAndPadTheName) {
    struct Case {
        int code;
        int index;
        std::wstring row;
    };
    const auto blanks = [](std::size_t n) { return std::wstring(n, L' '); };
    const std::vector<Case> cases = {
        {0, 0, L"0000 : 時刻表 UP" + blanks(14)},
        {116, 8, L"0074 : 乗換 戻る" + blanks(15)},
        {0x12345, 4, L"12345 : リアルタイムモード" + blanks(11)},
        {-1, 9, L"ffffffff : 乗換 最初へ" + blanks(14)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortcutRowText(c.code, c.index), c.row) << c.code;
    }
    for (int i = 0; i < kShortcutCount; ++i) {
        EXPECT_LT(ShortcutDisplayName(i).size(), 20U) << i;
        EXPECT_EQ(ShortcutRowText(0, i).size(), 27U) << i;
    }
    EXPECT_EQ(ShortcutCodeText(0), L"0");
    EXPECT_EQ(ShortcutCodeText(116), L"74");
}

TEST(SettingsEditingTest, ColorTextIsRedFirstAndOnlySixHexDigitsParse) {
    struct Case {
        std::wstring text;
        std::optional<ColorRef> color;
    };
    const std::vector<Case> cases = {
        {L"00ff00", 0x00FF00},     {L"FF8000", 0x0080FF},      {L"000080", 0x800000},
        {L"00FF0", std::nullopt},  {L"00FF000", std::nullopt}, {L"00FG00", std::nullopt},
        {L" 0FF00", std::nullopt}, {L"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseColorHex(c.text), c.color) << wtext::WideToUtf8(c.text);
    }
    EXPECT_EQ(ColorHexText(0x0080FF), L"FF8000");
    EXPECT_EQ(ColorHexText(0xFFFFFF), L"FFFFFF");
}

TEST(SettingsEditingTest, DarkColorsTakeWhiteText) {
    const std::vector<std::pair<ColorRef, bool>> cases = {
        {0x800000, true},   // navy
        {0x3F3F3F, true},   // the darkest grey below a quarter
        {0x404040, false},  // a quarter of full brightness
        {0x00FF00, false},  // green weighs most
        {0x0000FF, false},  // pure red: 510 / 7 = 72
    };
    for (const auto& [color, white] : cases) {
        EXPECT_EQ(UsesWhiteText(color), white) << std::hex << color;
    }
}

TEST(SettingsEditingTest, IntFieldsNameTheirRange) {
    struct Case {
        std::wstring text;
        int min;
        int max;
        bool ok;
        std::wstring message;
    };
    const std::wstring fontRange = L"80 から 640 までの整数を入力してください。";
    const std::vector<Case> cases = {
        {L"79", 80, 640, false, fontRange},
        {L" 640 ", 80, 640, true, L""},
        {L"99999999999", 80, 640, false, fontRange},
        {L"11", 0, 10, false, L"0 から 10 までの整数を入力してください。"},
        {L"", 0, 10, false, L"整数を入力してください。"},
        {L"3a", 0, 10, false, L"整数を入力してください。"},
    };
    for (const Case& c : cases) {
        const IntFieldCheck check = CheckIntField(c.text, c.min, c.max);
        EXPECT_EQ(check.ok, c.ok) << wtext::WideToUtf8(c.text);
        EXPECT_EQ(check.message, c.message) << wtext::WideToUtf8(c.text);
    }
}

// The colour command's test walks the dialog through setting and removing; left here is what
// the dialog cannot produce from a row with one mark.
TEST(SettingsEditingTest, AChosenMarkWithoutNameChangesNothing) {
    ColorTable table;
    table.Set(L"快速", 0x0000FF);
    const auto before = table.Entries();
    EXPECT_FALSE(ApplyColorDialogResult(table, L"快速", L"", {1, true, 0x0000FF, 0}));
    EXPECT_FALSE(ApplyColorDialogResult(table, L"", L"快速", {0, true, 0, 0x0000FF}));
    EXPECT_EQ(table.Entries(), before);
    EXPECT_EQ(InitialColorChoice(L"普通", 0x123456), 1);
    EXPECT_EQ(InitialColorChoice(L"普通", 0), 0);
    EXPECT_EQ(InitialColorChoice(L"", 0x123456), 0);
}

}  // namespace
