// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwin/DesktopNotifier.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QVariantMap>

namespace {

// The call names the icon and the desktop entry the package installs, so the desktop shows
// our icon and can file the notification under the program, and it offers the action a click
// on the notification invokes.
TEST(DesktopNotifierTest, TheCallCarriesOurIconOurDesktopEntryAndTheClickAction) {
    const QVariantList args = DesktopNotifier::NotifyArguments(
        QStringLiteral("発車まであと5分"), QStringLiteral("08:26 快速 桜川中央"));
    ASSERT_EQ(args.size(), 8);
    const QString installedName = QStringLiteral("org.kovariswin.KovarisWin");
    EXPECT_EQ(args[0].toString(), QStringLiteral("KovarisWin"));
    EXPECT_EQ(args[1].toUInt(), 0U);  // a new notification, replacing none
    EXPECT_EQ(args[2].toString(), installedName);
    EXPECT_EQ(args[3].toString(), QStringLiteral("発車まであと5分"));
    EXPECT_EQ(args[4].toString(), QStringLiteral("08:26 快速 桜川中央"));
    const QStringList actions = args[5].toStringList();
    // Pairs of key and label.
    ASSERT_EQ(actions.size() % 2, 0);
    EXPECT_EQ(actions.at(0), QStringLiteral("default"));
    EXPECT_EQ(args[6].toMap().value(QStringLiteral("desktop-entry")).toString(), installedName);
    EXPECT_GT(args[7].toInt(), 0);
}

}  // namespace
