// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "gtfs/TimetableDraft.h"

// The text of a timetable file (CR LF line ends), written so that the program's reader gets back
// exactly the draft: names and captions are cleaned of what would end their field early.
std::wstring TimetableFileText(const TimetableDraft& draft);
