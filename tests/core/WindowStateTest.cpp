// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/WindowState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace {

namespace fs = std::filesystem;

constexpr std::wstring_view kSettings = L"/home/u/駅/Kovaris.ini";

// The file is ours, but anyone may have edited or broken it: what does not read cleanly is a
// first run's state, never a window of a strange size.
TEST(WindowStateTest, ReadsWhatItWroteAndPassesOverTheRest) {
    const WindowState saved{WindowPlace{-1200, 30, 500, 640}, true, true};
    EXPECT_EQ(ParseWindowState(FormatWindowState(saved, kSettings), kSettings), saved);

    const std::string ours = "Settings=/home/u/駅/Kovaris.ini\r\n";
    struct Case {
        const char* name;
        std::string text;
        WindowState expected;
    };
    const std::vector<Case> cases = {
        {"another settings file",
         "Settings=/other/Kovaris.ini\nWindow=1,2,300,400\nRemind=1\n",
         {}},
        {"no settings line", "Window=1,2,300,400\nRemind=1\n", {}},
        {"CR LF lines",
         ours + "Window=1,2,300,400\r\nRemind=1\r\n",
         {WindowPlace{1, 2, 300, 400}, false, true}},
        {"too few numbers", ours + "Window=1,2,300\nRemind=1\n", {std::nullopt, false, true}},
        {"too many numbers", ours + "Window=1,2,300,400,5\n", {}},
        {"a size of nothing", ours + "Window=1,2,0,400\n", {}},
        {"beyond any desktop", ours + "Window=1,2,300,99999999999\n", {}},
        {"not numbers", ours + "Window=a,2,300,400\nWindow=1, 2,300,400\n", {}},
        {"switches other than 0 and 1", ours + "Remind=2\nMaximized=yes\n", {}},
        {"binary noise", ours + std::string("\0\xff\n=\n\xe9=1\n", 8), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseWindowState(c.text, kSettings), c.expected) << c.name;
    }
}

TEST(WindowStateTest, EachSettingsFileKeepsItsOwnFileInAPrivateFolder) {
    TempDir dir;
    const std::wstring folder = dir.Root() + L"state/kovariswin";
    const std::wstring first = WindowStateFile(folder, L"/a/Kovaris.ini");
    const std::wstring second = WindowStateFile(folder, L"/b/Kovaris.ini");
    EXPECT_NE(first, second);
    EXPECT_EQ(first, WindowStateFile(folder + L"/", L"/a/Kovaris.ini"));

    EXPECT_EQ(LoadWindowState(first, L"/a/Kovaris.ini"), WindowState{});
    const WindowState a{WindowPlace{10, 20, 300, 400}, false, true};
    ASSERT_TRUE(SaveWindowState(first, a, L"/a/Kovaris.ini"));
    EXPECT_EQ(fs::status(wtext::WideToUtf8(folder)).permissions(), fs::perms::owner_all);
    EXPECT_EQ(LoadWindowState(first, L"/a/Kovaris.ini"), a);
    EXPECT_EQ(LoadWindowState(first, L"/b/Kovaris.ini"), WindowState{});

    // A folder where the file should be is refused, not read.
    fs::create_directories(wtext::WideToUtf8(second));
    EXPECT_EQ(LoadWindowState(second, L"/b/Kovaris.ini"), WindowState{});
}

// Two screens side by side, the second one higher, with a panel at the top of the first.
TEST(WindowStateTest, AWindowComesBackWhollyOnAScreen) {
    const std::vector<ScreenArea> screens = {{0, 30, 1920, 1050}, {1920, -200, 1280, 1024}};
    struct Case {
        const char* name;
        WindowPlace saved;
        WindowPlace expected;
    };
    const Case cases[] = {
        {"on the first screen", {100, 100, 408, 427}, {100, 100, 408, 427}},
        {"on the second screen", {2000, -150, 500, 600}, {2000, -150, 500, 600}},
        {"under the panel", {100, 0, 408, 427}, {100, 30, 408, 427}},
        {"mostly on the second", {1800, 0, 408, 427}, {1920, 0, 408, 427}},
        {"on a screen unplugged since", {5000, 3000, 408, 427}, {1512, 653, 408, 427}},
        {"larger than its screen", {2000, 0, 4000, 4000}, {1920, -200, 1280, 1024}},
        {"smaller than the window can be", {50, 50, 10, 10}, {50, 50, 300, 400}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitOnScreens(c.saved, screens, 300, 400), c.expected) << c.name;
    }
    EXPECT_EQ(FitOnScreens({1, 2, 300, 400}, {}, 300, 400), std::nullopt);
}

}  // namespace
