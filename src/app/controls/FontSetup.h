// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <string>

// The settings name the fonts of the platform the data comes from. At start the program maps
// them to installed Japanese fonts: the fixed-pitch face to a fixed-pitch font (the departure
// list lines up its columns with it) and the proportional faces to a proportional one.
// Call once a QGuiApplication exists; calling again changes nothing.
void RegisterFontSubstitutions();

// Without a font that has Japanese glyphs, the text shows as boxes and the list's columns do
// not line up. Empty when one is installed; otherwise what to tell the user, in English, as the
// Japanese would be boxes too.
QString MissingJapaneseFontNotice();

// Font sizes in the settings are tenths of a point, measured on a 96-dpi screen as the data's
// platform does: 95 gives a 13-pixel font.
int FontPixelHeight(int tenthsOfPoint);

QFont MakeSettingsFont(const std::wstring& face, int tenthsOfPoint);

// The departure list is always drawn in the fixed-pitch face.
inline const wchar_t* const kListFontFace = L"ＭＳ ゴシック";
