#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Feed text made fit for the places of a timetable file and for a file name.
namespace timetable_text {

// Control characters (line ends inside quoted fields) become spaces; trimmed.
std::wstring OneLine(std::wstring_view text);
// White space removed, for the places that end at a blank (short names, captions).
std::wstring OneWord(std::wstring_view text);
// At most `bytes` Shift-JIS bytes, cut at a character boundary.
std::wstring CutToBytes(std::wstring_view text, std::size_t bytes);
// A file name on every system the data goes to: no separators, no characters Windows refuses,
// no leading dot, not too long.
std::wstring SafeFileStem(std::wstring_view text);
// Shift-JIS bytes; a character Shift-JIS cannot hold becomes "〓" and is counted.
std::string ToShiftJis(std::wstring_view text, std::size_t& substituted);

}  // namespace timetable_text
