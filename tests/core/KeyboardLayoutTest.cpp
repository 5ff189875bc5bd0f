// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/KeyboardLayout.h"

#include <gtest/gtest.h>

namespace {

// The codes Windows records for the keys whose place decides, on both keyboards: on a Japanese
// one "^" and "6", "@" and "2", ";" and ":" are different keys with codes of their own.
TEST(KeyboardLayoutTest, KeysTakeTheCodeOfTheirPlaceOnEachLayout) {
    struct Case {
        int keycode;
        const char* jisKey;
        int us;
        int jis;
    };
    const Case cases[] = {
        {11, "2 \"", '2', '2'},       {15, "6 &", '6', '6'},      {19, "0 ~", '0', '0'},
        {20, "- =", 0xBD, 0xBD},      {21, "^ ~", 0xBB, 0xDE},    {34, "@ `", 0xDB, 0xC0},
        {35, "[ {", 0xDD, 0xDB},      {47, "; +", 0xBA, 0xBB},    {48, ": *", 0xDE, 0xBA},
        {51, "] }", 0xDC, 0xDD},      {61, "/ ?", 0xBF, 0xBF},    {97, "\\ _ (ro)", 0, 0xE2},
        {132, "\\ | (yen)", 0, 0xDC}, {38, "a (a letter)", 0, 0}, {67, "F1", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceKeyCode(c.keycode, KeyboardLayout::Us), c.us) << c.jisKey;
        EXPECT_EQ(PlaceKeyCode(c.keycode, KeyboardLayout::Jis), c.jis) << c.jisKey;
        EXPECT_EQ(PlaceKeyCode(c.keycode, KeyboardLayout::Other), 0) << c.jisKey;
        EXPECT_EQ(HasPlaceCode(c.keycode), c.jis != 0) << c.jisKey;
    }
    EXPECT_EQ(LayoutOfProbeKeySymbol('='), KeyboardLayout::Us);
    EXPECT_EQ(LayoutOfProbeKeySymbol('^'), KeyboardLayout::Jis);
    EXPECT_EQ(LayoutOfProbeKeySymbol(0xFE51), KeyboardLayout::Other);  // a German dead acute
}

}  // namespace
