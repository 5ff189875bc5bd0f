// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Command ids of the main window's menu items and buttons. They are the ids the commands have
// always had, so that key bindings and documentation stay valid. They live in the core because the
// catalogue numbers the items of the timetable and transfer menus it builds.

// The catalogue's menu items: the parent level, then one id per entry of the current level.
inline constexpr int kTableMenuParentId = 33000;
inline constexpr int kTableMenuFirstEntryId = 33001;
inline constexpr int kTableMenuMaxEntries = 63;
// The transfer menu: one id per arrival station that offers a transfer.
inline constexpr int kTransferMenuFirstId = 33100;
inline constexpr int kTransferMenuMaxRows = 64;

namespace cmd {

inline constexpr int kReadConfiguration = 32796;  // "CFG読込み"
inline constexpr int kSettings = 32798;
inline constexpr int kDayAutomatic = 32800;  // 32800 + day type: 32801 Sunday .. 32807 Saturday
inline constexpr int kDaySaturday = 32807;
inline constexpr int kTransferBackToFirst = 32808;
// The transfer menu's back item has an id of its own, apart from every day item.
inline constexpr int kTransferBack = 32809;
inline constexpr int kAbout = 32810;
inline constexpr int kRealTimeMode = 32811;
inline constexpr int kHourEarlier = 32812;
inline constexpr int kHourLater = 32813;
inline constexpr int kPreviousDeparture = 32814;
inline constexpr int kExit = 32815;
inline constexpr int kColorSettings = 32816;
inline constexpr int kRemindBeforeDeparture = 32817;
inline constexpr int kWalkTime = 32818;

// Buttons.
inline constexpr int kButtonHourEarlier = 1002;
inline constexpr int kButtonHourLater = 1003;
inline constexpr int kButtonRealTime = 1004;
inline constexpr int kButtonTransferFirst = 1006;
inline constexpr int kButtonTransferGo = 1011;
inline constexpr int kButtonTransferBack = 1012;

}  // namespace cmd
