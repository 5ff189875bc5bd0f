// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class ColorTable;
class QWidget;
class Timetable;

// The main window's colour command for departure `selectedRow` (-1 when none is selected): asks
// for the colour of one of the row's first two named marks and writes the table to "color.ini"
// in the data root. True when the table changed; the list then shows the new colour at its next
// redraw, as it reads the same table.
bool RunColorCommand(QWidget* parent, const Timetable& timetable, int selectedRow,
                     ColorTable& table, const std::wstring& dataPath);
