// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// Checks that a stream of bytes, given piece by piece, is UTF-8 text: a character may be cut
// by the end of a piece and go on in the next. A NUL byte counts as a fault too, as no text
// file holds one (a UTF-16 file is full of them).
class Utf8Scan {
public:
    // The offset in `piece` of the first byte that breaks the text, or piece.size() when there
    // is none.
    std::size_t FirstFault(std::string_view piece);
    // True when the bytes so far end inside a character.
    bool InsideCharacter() const { return continuations_ > 0; }

private:
    bool Take(unsigned char byte);

    int continuations_ = 0;  // bytes still due for the current character
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;  // the range of the next continuation byte
};
