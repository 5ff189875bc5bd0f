// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/CKovarisWinApp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "OffscreenApp.h"
#include "TestFiles.h"

namespace {

namespace fs = std::filesystem;

// The run ends by itself after its first paint, and its settings file in the working folder
// cannot be written: the end of the run must say so, not only exit with 1.
TEST(CKovarisWinAppTest, AFailedSaveAtTheEndOfTheRunIsSaid) {
    OffscreenApp();
    TempDir work;
    const std::string settings = "DataPath=" KOVARIS_DEMO_DATA "\r\nCfgRead=1\r\n";
    WriteBytes(work.File(L"Kovaris.ini"), settings);
    fs::permissions(work.path() / "Kovaris.ini", fs::perms::owner_read);
    const fs::path before = fs::current_path();
    fs::current_path(work.path());

    CKovarisWinApp::Options options;
    options.startAt = Moment::FromFields(2026, 12, 7, 8, 12, 20);
    options.exitAfterFirstPaint = true;
    testing::internal::CaptureStderr();
    const int status = CKovarisWinApp(options).Run();
    const std::string said = testing::internal::GetCapturedStderr();
    fs::current_path(before);

    EXPECT_EQ(status, 1);
    EXPECT_NE(said.find("kovariswin: 設定の保存に失敗しました\n"), std::string::npos) << said;
    EXPECT_NE(said.find("/Kovaris.ini\n"), std::string::npos) << said;
    EXPECT_EQ(ReadBytes(work.File(L"Kovaris.ini")), settings);
}

}  // namespace
