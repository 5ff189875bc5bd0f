// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timetable/BoardWords.h"

// The board's words in the window's language: each of the core's Japanese words through the
// translation installed now, Japanese itself when there is none.
BoardWords TranslatedBoardWords();
