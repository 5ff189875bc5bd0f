// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Whether bytes meant as Shift-JIS were written in UTF-8, as every Linux editor saves by
// default. Many short UTF-8 byte strings are well-formed Shift-JIS too, so the rule leans on
// the other direction: Shift-JIS text is well-formed UTF-8 only by chance (its kana and most
// kanji begin with bytes UTF-8 uses only inside a character), and that chance shrinks with
// every character. So: yes for a UTF-8 byte order mark; yes for well-formed UTF-8 holding a
// sequence of three or more bytes (kana, kanji, symbols), or holding two-byte ones and not
// being CP932 at all. Two-byte sequences alone that are CP932 too (accented Latin letters, or
// halfwidth katakana that happen to pair up) stay Shift-JIS, the files' format.
bool LooksLikeUtf8(std::string_view bytes);

// The command line that turns the UTF-8 file at `path` into CP932 in place, the path quoted
// for the shell: glibc's CP932 also takes the characters Windows editors type ("～", "①")
// that its SHIFT_JIS refuses.
std::wstring Utf8ToSJisCommand(std::wstring_view path);
