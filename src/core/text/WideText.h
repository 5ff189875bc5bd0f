// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Locale-independent helpers over wide text. The C locale of Linux knows neither the ideographic
// space nor fullwidth letters, and the data files use both, so nothing here consults the locale.
namespace wtext {

// The white-space set of the platform the data files come from (ASCII controls, no-break space,
// the general-punctuation spaces and the ideographic space U+3000).
bool IsSpace(wchar_t c);
bool IsDigit(wchar_t c);
bool IsAsciiLetter(wchar_t c);

std::wstring_view TrimLeft(std::wstring_view s);
std::wstring_view TrimRight(std::wstring_view s);
std::wstring_view Trim(std::wstring_view s);

// Upper case for ASCII and fullwidth Latin letters; every other character stays.
wchar_t ToUpper(wchar_t c);
std::wstring ToUpper(std::wstring_view s);

// Reads a decimal integer the way a "%d" scan does: optional white space, optional sign, digits.
// Starts at `pos` and advances it past what was read. Returns nothing (and leaves `pos`) when no
// digit follows; a value beyond the int range saturates.
std::optional<int> ScanInt(std::wstring_view s, std::size_t& pos);

// The leading integer of `s`, 0 when it has none (atoi-like, used for settings values).
int LeadingInt(std::wstring_view s);

// A "%02d"-style number: at least `width` digits, zero-padded, with a leading minus when negative.
std::wstring ZeroPad(int value, int width);

// True when `bytes` are well-formed UTF-8 (no overlong forms, surrogates or values beyond
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// UTF-8 is the encoding of file names on this platform and of the terminal tool's output.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

}  // namespace wtext
