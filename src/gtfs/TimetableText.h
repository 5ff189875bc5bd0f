// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Feed text made fit for the places of a timetable file and for a file name.
namespace timetable_text {

// Control characters (line ends inside quoted fields) become spaces; trimmed.
std::wstring OneLine(std::wstring_view text);
// Latin letters with diacritics, which Shift-JIS lacks, as their base letters: "ž" becomes "z",
// "ß" "ss". Every other character stays.
std::wstring ToBaseLetters(std::wstring_view text);
// Feed text (UTF-8) as a timetable shows it: one line, with base letters.
std::wstring FromFeed(std::string_view utf8);
// White space removed, for the places that end at a blank (short names, captions).
std::wstring OneWord(std::wstring_view text);
// At most `bytes` Shift-JIS bytes, cut at a character boundary.
std::wstring CutToBytes(std::wstring_view text, std::size_t bytes);
// A file name on every system the data goes to: no separators, no characters Windows refuses,
// no leading dot, not too long. It is the text as Shift-JIS gives it back, the way a route
// configuration names the file, and holds nothing that ends a name there (blanks, ":", ";").
std::wstring SafeFileStem(std::wstring_view text);
// Shift-JIS bytes, with base letters; a character Shift-JIS cannot hold becomes "〓" and is
// counted.
std::string ToShiftJis(std::wstring_view text, std::size_t& substituted);

}  // namespace timetable_text
