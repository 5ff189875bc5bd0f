// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FontSetup.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <climits>
#include <vector>

#include "OffscreenApp.h"
#include "controls/QtConvert.h"

namespace {

TEST(FontSetupTest, TenthsOfAPointAtNinetySixDots) {
    const std::vector<std::pair<int, int>> cases = {
        {95, 13},
        {90, 12},
        {100, 13},
        {120, 16},
        {200, 27},
        // A hand-edited file: the sign is ignored, the size stays within sense.
        {-95, 13},
        {0, 1},
        {INT_MAX, 1000},
        {INT_MIN, 1000},
    };
    for (const auto& [tenths, pixels] : cases) {
        EXPECT_EQ(FontPixelHeight(tenths), pixels) << tenths;
    }
}

TEST(FontSetupTest, SettingsFacesDrawWithInstalledJapaneseFonts) {
    OffscreenApp();
    if (!QFontDatabase::families().contains(QStringLiteral("IPAGothic")) ||
        !QFontDatabase::families().contains(QStringLiteral("IPAPGothic"))) {
        GTEST_SKIP() << "fonts-ipafont-gothic is not installed";
    }
    struct Case {
        const wchar_t* face;
        const char* family;
    };
    const std::vector<Case> cases = {
        {L"ＭＳ ゴシック", "IPAGothic"},
        {L"ＭＳ Ｐゴシック", "IPAPGothic"},
        {L"MS UI Gothic", "IPAPGothic"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QFontInfo(MakeSettingsFont(c.face, 95)).family(), QLatin1String(c.family))
            << c.family;
    }
    // The list's columns line up: every digit as wide as every other, a kana twice as wide.
    const QFontMetrics fixed(MakeSettingsFont(L"ＭＳ ゴシック", 95));
    EXPECT_EQ(fixed.horizontalAdvance(QStringLiteral("1")),
              fixed.horizontalAdvance(QStringLiteral("0")));
    EXPECT_EQ(fixed.horizontalAdvance(ToQString(L"あと")),
              fixed.horizontalAdvance(ToQString(L"発車")));
    EXPECT_EQ(fixed.horizontalAdvance(ToQString(L"   ")),
              fixed.horizontalAdvance(QStringLiteral(":00")));
}

}  // namespace
